// The scan against a scripted ASPI layer: this program exports the layer's two
// entry points itself, and the scan is pointed at its own module.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "host/aspi_blocks.h"
#include "host/aspi_scan.h"
#include "host/host_inventory.h"

namespace {

// `answer`: vendor and product (INQUIRY bytes 8-31, zeros after it); `lateMs`: when
// the INQUIRY completes (0: at once, INFINITE: never).
struct Device { int slot; BYTE type, status; const char* answer; DWORD lateMs = 0; };
struct Layer { DWORD supportInfo; BYTE adapterStatus, adapters; std::vector<Device> devices; std::string slots; };
const Layer* g_layer;

const Device* Find(int adapter, int target)
{
    for (const Device& device : g_layer->devices) if (device.slot == adapter * 8 + target) return &device;
    return nullptr;
}

BYTE Complete(SRB_ExecSCSICmd* block, const Device& device)
{
    std::strncpy(reinterpret_cast<char*>(block->Buffer) + 8, device.answer, 24);
    MemoryBarrier();  // data before status, as the scan reads them
    return *static_cast<volatile BYTE*>(&block->Header.Status) = device.status;
}

// The processor time the calling thread has used so far, in 100 ns units.
ULONGLONG ProcessorTime()
{
    FILETIME created, ended, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user);
    return (ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}.QuadPart +
            ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}.QuadPart);
}

// A thread that only computes while it lives: the processor time a thread that
// never waits gets meanwhile, whatever else runs on the machine.
class Spinner {
public:
    ULONGLONG Stop()
    {
        m_stop = true;
        m_thread.join();
        return m_used;
    }

private:
    std::atomic<bool> m_stop{false};
    ULONGLONG m_used = 0;
    std::thread m_thread{[this] {
        const ULONGLONG start = ProcessorTime();
        while (!m_stop) {}
        m_used = ProcessorTime() - start;
    }};
};

}  // namespace

extern "C" __declspec(dllexport) DWORD __cdecl GetASPI32SupportInfo() { return g_layer->supportInfo; }

extern "C" __declspec(dllexport) DWORD __cdecl SendASPI32Command(void* request)
{
    SRB_Header& header = *static_cast<SRB_Header*>(request);
    // A request the scan must not make ends the test before the scan writes past its tables.
    if (header.HostAdapter >= 8) throw std::out_of_range("a request past the eighth adapter");
    if (header.Command == SC_HA_INQUIRY) {
        static_cast<SRB_HAInquiry*>(request)->HA_Count = g_layer->adapters;
        return header.Status = g_layer->adapterStatus;
    }
    if (header.Command == SC_GET_DEV_TYPE) {
        auto& query = *static_cast<SRB_GDEVBlock*>(request);
        const Device* device = Find(header.HostAdapter, query.Target);
        if (device) query.SRB_DeviceType = device->type;
        return header.Status = device ? SS_COMP : SS_NO_DEVICE;
    }
    auto* block = static_cast<SRB_ExecSCSICmd*>(request);
    static const BYTE inquiryCdb[16] = {0x12, 0, 0, 0, 32};
    const Device* device = Find(header.HostAdapter, block->Target);
    if (!device || block->BufferLength != 32 || std::memcmp(block->Cdb, inquiryCdb, 16))
        throw std::invalid_argument("an INQUIRY where no device is, or other than the standard one of 32 bytes");
    if (!device->lateMs) return Complete(block, *device);
    if (device->lateMs != INFINITE) std::thread([=] { ::Sleep(device->lateMs); Complete(block, *device); }).detach();
    return SS_PENDING;
}

TEST(AspiScan, SlotsGetTypeAndNameAsReportedAndABrokenLayerEndsTheScan)
{
    const Device disk = {0, 0, SS_COMP, "VENDOR  PRODUCT"};
    const Layer layers[] = {
        {0xE801, SS_COMP, 1, {disk}, ""},  // the layer reports a failure
        {0x0100, SS_COMP, 1, {disk}, ""},  // usable, no adapters
        {0x0101, SS_ERR, 2, {disk}, ""},
        {0x0101, SS_COMP, 12, {}, ""},  // at most 8 adapters
        {0x0102, SS_COMP, 2, {{11, 5, SS_COMP, "TESSARANCD-ROM  DRIVE"}, {2, 1, SS_ERR, "TAPE"}, {6, 31, SS_COMP, "AB"}},
         "2:2 |6:32 AB|11:6 TESSARAN CD-ROM  DRIVE|"},  // blanks kept, a zero ends the name
        {0x0101, SS_COMP, 1, {{4, 0, SS_COMP, "SLOWDISKSPINNING UP", 300}}, "4:1 SLOWDISK SPINNING UP|"},
        {0x0101, SS_COMP, 1, {{4, 0, SS_COMP, "", INFINITE}, {5, 0, SS_COMP, "LATER"}}, "4:1 |"},  // the rest unasked
    };
    const CHostInventory& found = HostInventory;
    Spinner spinner;
    const ULONGLONG start = ProcessorTime();
    for (const Layer& layer : layers) {
        SCOPED_TRACE(layer.slots);
        g_layer = &layer;
        ResetHostInventory();
        ScanAspiLayer(::GetModuleHandleA(nullptr), 1000);
        std::string slots;
        for (int slot = 0; slot < ScsiSlotCount; ++slot) {
            if (const int type = found.ScsiDeviceTypes[slot])
                slots += std::to_string(slot) + ":" + std::to_string(type) + " " + found.ScsiDeviceNames[slot] + "|";
        }
        EXPECT_EQ(slots, layer.slots);
        EXPECT_EQ(found.AspiSupportInfo, layer.supportInfo);
    }
    // The late devices keep the scan waiting for more than a second in all,
    // which it spends giving the processor away, to the layer among others.
    const ULONGLONG used = ProcessorTime() - start;
    EXPECT_LT(used * 4, spinner.Stop()) << "the scan kept the processor while it waited";
}
