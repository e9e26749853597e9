// The General page's host texts from given system answers, and the processor and
// DirectX detection on the host running the test.
#include <gtest/gtest.h>

#include <cpuid.h>

#include "host/directx_probe.h"
#include "host/host_inventory.h"
#include "host/processor_class.h"
#include "host/system_facts.h"

namespace {

// The name only fits a buffer of at least 260 bytes.
BOOL WINAPI LongName(LPSTR buffer, LPDWORD size) { return *size >= 260 && lstrcpyA(buffer, "long.user"); }
BOOL WINAPI NameTooLong(LPSTR, LPDWORD) { return FALSE; }

TEST(SystemFacts, ProcessorDirectXMemoryWindowsAndUserTexts)
{
    const struct { DWORD value; const char* name; } processors[] = {
        {3, "80386"}, {4, "80486"}, {0x0480, "80486"}, {0x0543, "Pentium ('586)"}, {0x0633, "Pentium II ('686)"},
        {0x0F29, "Unknown"}, {0x00A20F10, "Unknown"}, {0, "Unknown"}};
    for (const auto& r : processors) EXPECT_EQ(ProcessorClassName(ProcessorClassFromSignature(r.value)), r.name);
    unsigned eax = 0, ebx, ecx, edx;
    ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
    EXPECT_EQ(DetectProcessorClass(), eax);  // every x86-64 processor has CPUID
    // Wine has all of DirectX 7 and refuses wrong arguments: a wrong one to any call
    // the probe makes, or DirectMusic asked for without COM, shows as a lower version.
    DetectDirectXVersion();
    EXPECT_EQ(HostInventory.DirectXVersion, 0x700u);

    const ULONGLONG MiB = 1 << 20;
    EXPECT_EQ(MemoryText(24 * MiB - 1, 63 * MiB + MiB / 2), "23 / 64 MB");  // available down, total plus one
    EXPECT_EQ(MemoryText(6000 * MiB, 8191 * MiB), "6000 / 8192 MB");        // beyond 4 GiB
    const DWORD Win9x = VER_PLATFORM_WIN32_WINDOWS, NT = VER_PLATFORM_WIN32_NT;
    const struct { DWORD platform, major, minor; const char* text; } windows[] = {
        {VER_PLATFORM_WIN32s, 3, 11, "Win32s"}, {Win9x, 4, 0, "Windows 95"}, {Win9x, 4, 10, "Windows 98 (or newer)"},
        {Win9x, 5, 0, "Windows 98 (or newer)"}, {NT, 3, 51, "Windows NT 3.51"}, {NT, 4, 0, "Windows NT 4.0"},
        {NT, 5, 0, "Windows 2000 Professional"}, {NT, 10, 0, "Windows 2000 Professional"}, {3, 4, 0, ""}};
    for (const auto& r : windows)
        EXPECT_EQ(WindowsVersionText({sizeof(OSVERSIONINFOA), r.major, r.minor, 0, r.platform}), r.text) << r.major;
    EXPECT_EQ(DirectXVersionText(0x300) + "|" + DirectXVersionText(0x500), "3|5+");  // the rest: on the General page
    EXPECT_EQ(QueryUserName(LongName).value_or("(none)"), "long.user");
    EXPECT_FALSE(QueryUserName(NameTooLong));
}

}  // namespace
