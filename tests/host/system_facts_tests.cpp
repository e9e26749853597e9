// The General page's host texts from given system answers, and the processor
// detection on the processor running the test.
#include <gtest/gtest.h>

#include <cpuid.h>

#include "host/processor_class.h"
#include "host/system_facts.h"

namespace {

TEST(SystemFacts, ProcessorClassComesFromTheFamilyFieldOrTheWholeValue)
{
    const struct { DWORD value; const char* name; } cases[] = {
        {3, "80386"}, {4, "80486"}, {0x0480, "80486"}, {0x0543, "Pentium ('586)"},
        {0x0633, "Pentium II ('686)"}, {0x0F29, "Unknown"}, {0x00A20F10, "Unknown"}, {0, "Unknown"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.name, ProcessorClassName(ProcessorClassFromSignature(c.value))) << std::hex << c.value;

    unsigned eax = 0, ebx, ecx, edx;
    ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
    EXPECT_EQ(eax, DetectProcessorClass());  // every x86-64 processor has CPUID
}

TEST(SystemFacts, MemoryTextRoundsAvailableDownAndShowsTotalPlusOne)
{
    const ULONGLONG MiB = 1 << 20;
    EXPECT_EQ("23 / 64 MB", MemoryText(24 * MiB - 1, 63 * MiB + MiB / 2));
    EXPECT_EQ("6000 / 8192 MB", MemoryText(6000 * MiB, 8191 * MiB));  // beyond 4 GiB
}

TEST(SystemFacts, WindowsVersionTextForEachPlatform)
{
    const struct { DWORD platform, major, minor; const char* text; } cases[] = {
        {VER_PLATFORM_WIN32s, 3, 11, "Win32s"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, "Windows 95"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, "Windows 98 (or newer)"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, "Windows 98 (or newer)"},
        {VER_PLATFORM_WIN32_WINDOWS, 5, 0, "Windows 98 (or newer)"},
        {VER_PLATFORM_WIN32_NT, 3, 51, "Windows NT 3.51"},
        {VER_PLATFORM_WIN32_NT, 4, 0, "Windows NT 4.0"},
        {VER_PLATFORM_WIN32_NT, 5, 0, "Windows 2000 Professional"},
        {VER_PLATFORM_WIN32_NT, 10, 0, "Windows 2000 Professional"},
        {3, 4, 0, ""}};
    for (const auto& c : cases) {
        OSVERSIONINFOA version = {sizeof version, c.major, c.minor, 0, c.platform};
        EXPECT_EQ(c.text, WindowsVersionText(version)) << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(SystemFacts, DirectXAndAspiTexts)
{
    EXPECT_EQ("Not present", DirectXVersionText(0));
    EXPECT_EQ("3", DirectXVersionText(0x300));
    EXPECT_EQ("5+", DirectXVersionText(0x500));
    EXPECT_EQ("6+", DirectXVersionText(0x601));
    EXPECT_EQ("Present", AspiSupportText(0x0100));  // usable even without adapters
    EXPECT_EQ("Not present", AspiSupportText(0xE800));
    EXPECT_EQ("Not present", AspiSupportText(0x0001));
}

DWORD offeredSize;
BOOL WINAPI NameFits(LPSTR buffer, LPDWORD size)
{
    offeredSize = *size;
    lstrcpyA(buffer, "long.user");
    return TRUE;
}
BOOL WINAPI NameTooLong(LPSTR, LPDWORD) { return FALSE; }

TEST(SystemFacts, UserNameQuery)
{
    EXPECT_EQ("long.user", QueryUserName(NameFits).value_or("(none)"));
    EXPECT_EQ(260u, offeredSize);
    EXPECT_FALSE(QueryUserName(NameTooLong));
}

}  // namespace
