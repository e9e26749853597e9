// The settings store as the emulator sees it: only a value of the right kind
// counts, and reading creates nothing.
#include "settings/settings.h"
#include "framework/winapp.h"
#include "tests/support/registry.h"

using ProfileTest = FreshSettingsTest;

TEST_F(ProfileTest, AbsentValuesAndValuesOfTheWrongKindReadAsTheDefault)
{
    EXPECT_EQ(GetSettingInt("Machine", 5), 5);
    EXPECT_EQ(GetSettingString("Port_A", "fallback"), "fallback");
    EXPECT_FALSE(CompanyKeyExists());
    const DWORD four = 1;
    const ULONGLONG eight = 5;
    const struct { DWORD type; const void* data; DWORD size; } wrong[] = {
        {REG_SZ, "3", 2}, {REG_BINARY, &four, 4}, {REG_DWORD, &four, 2}, {REG_QWORD, &eight, 8},
        {REG_MULTI_SZ, "COM1:\0\0", 7}, {REG_EXPAND_SZ, "C:\\", 4}, {REG_DWORD, &four, 4},
    };
    for (const auto& value : wrong) {
        SCOPED_TRACE(testing::Message() << value.type << " of " << value.size << " bytes");
        WriteRawSetting("Value", value.type, value.data, value.size);
        EXPECT_EQ(GetSettingInt("Value", 7), value.type == REG_DWORD && value.size == 4 ? 1 : 7);
        EXPECT_EQ(GetSettingString("Value", "none"), value.type == REG_SZ ? "3" : "none");
    }
}

TEST_F(ProfileTest, StringsOfAnyLengthReadWholeWithOrWithoutTheirZero)
{
    const std::string longPath = "C:\\" + std::string(5000, 'x') + ".hfi";
    WriteSettingString("Volume0", longPath);
    EXPECT_EQ(GetSettingString("Volume0"), longPath);
    WriteRawSetting("Volume1", REG_SZ, "abc", 3);  // stored without its zero by another writer
    EXPECT_EQ(GetSettingString("Volume1"), "abc");
}

TEST(SettingsNames, ApplicationNameIsTheExecutableNameWithoutExtension)
{
    for (const char* path : {"C:\\Program Files\\KORVEX\\KORVEX.EXE", "Z:/build/app/KORVEX.EXE", "KORVEX"})
        EXPECT_EQ(ApplicationNameFromPath(path), "KORVEX") << path;
}
