// Times the start-up discovery steps, each once and in start-up order, as the
// first use of its libraries in a fresh process (as at a real start):
//   discovery_bench ours       the program's own steps (HostInventory filled)
//   discovery_bench platform   the bare platform calls they make
// Prints one line per step: "<step> <seconds> <what it found>".
#include "bench/platform_calls.h"
#include "host/aspi_scan.h"
#include "host/device_lists.h"
#include "host/directx_probe.h"
#include "host/host_inventory.h"

#include <cstdio>
#include <cstring>

namespace {
double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Step>
void Time(const char* name, Step step)
{
    const double start = Now();
    const long found = step();
    std::printf("%s %.4f %#lx\n", name, Now() - start, found);
}

void Ours()
{
    Time("aspi", [] { ScanAspiBus(); return static_cast<long>(HostInventory.AspiSupportInfo); });
    Time("directx", [] { DetectDirectXVersion(); return static_cast<long>(HostInventory.DirectXVersion); });
    Time("sound", [] { ListSoundDevices(); return static_cast<long>(HostInventory.SoundDeviceCount); });
    Time("display", [] { ListDisplayDevices(); return static_cast<long>(HostInventory.DisplayDeviceCount); });
}

void Platform()
{
    Time("aspi", [] { return static_cast<long>(PlatformAspiSupportInfo()); });
    Time("directx", [] { return static_cast<long>(PlatformDirectXProbe()); });
    Time("sound", [] { return static_cast<long>(PlatformSoundEnumeration()); });
    Time("display", [] { return static_cast<long>(PlatformDisplayEnumeration()); });
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "ours") == 0) {
        Ours();
    } else if (argc == 2 && std::strcmp(argv[1], "platform") == 0) {
        Platform();
    } else {
        std::fprintf(stderr, "usage: discovery_bench ours|platform\n");
        return 2;
    }
    return 0;
}
