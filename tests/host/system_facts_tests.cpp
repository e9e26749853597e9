// The General page's host texts from given system answers, and the processor and
// DirectX detection on the host running the test.
#include <gtest/gtest.h>

#include <cpuid.h>
#include <utility>

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
    // The class is the family, bits 8-11 of the signature.
    for (auto [signature, name] : {std::pair{0x0543ul, "Pentium ('586)"}, {0x0633ul, "Pentium II ('686)"}})
        EXPECT_EQ(ProcessorClassName(ProcessorClassFromSignature(signature)), name);
    // The flag checks and CPUID are hand-written assembly; every x86-64 processor has CPUID.
    unsigned eax = 0, ebx, ecx, edx;
    ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
    EXPECT_EQ(DetectProcessorClass(), eax);
    // 7 is the probe's highest answer, on Wine as on every Windows the program runs
    // on. Both refuse wrong arguments: a wrong one to any call the probe makes, or
    // DirectMusic asked for without COM, shows as a lower version.
    DetectDirectXVersion();
    EXPECT_EQ(HostInventory.DirectXVersion, 0x700u);

    const ULONGLONG MiB = 1 << 20;
    EXPECT_EQ(MemoryText(24 * MiB - 1, 63 * MiB + MiB / 2), "23 / 64 MB");  // available down, total plus one
    // Windows XP (NT 5.1), the oldest system the program runs on.
    EXPECT_EQ(WindowsVersionText({sizeof(OSVERSIONINFOA), 5, 1, 0, VER_PLATFORM_WIN32_NT}), "Windows 2000 Professional");
    EXPECT_EQ(QueryUserName(LongName).value_or("(none)"), "long.user");
    EXPECT_FALSE(QueryUserName(NameTooLong));
}

}  // namespace
