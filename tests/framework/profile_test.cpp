// The settings store as the emulator sees it: only a value of the right kind
// counts, strings read whole, and reading creates nothing.
#include "settings/settings.h"
#include "tests/support/registry.h"

TEST_F(FreshSettingsTest, ValuesOfTheWrongKindReadAsTheDefaultStringsReadWhole)
{
    EXPECT_EQ(std::to_string(GetSettingInt("Machine", 5)) + GetSettingString("Port_A", "fallback"), "5fallback");
    EXPECT_FALSE(CompanyKeyExists());
    const DWORD one = 1;
    const ULONGLONG five = 5;
    const std::string longPath = "C:\\" + std::string(5000, 'x') + ".hfi";
    const struct { DWORD type; const void* data; DWORD size; int asInt; const char* asString; } rows[] = {
        {REG_SZ, "3", 2, 7, "3"}, {REG_SZ, "abc", 3, 7, "abc"},  // stored without its zero by another writer
        {REG_SZ, longPath.c_str(), DWORD(longPath.size() + 1), 7, longPath.c_str()}, {REG_BINARY, &one, 4, 7, "none"},
        {REG_DWORD, &one, 2, 7, "none"}, {REG_QWORD, &five, 8, 7, "none"}, {REG_MULTI_SZ, "COM1:\0\0", 7, 7, "none"},
        {REG_EXPAND_SZ, "C:\\", 4, 7, "none"}, {REG_DWORD, &one, 4, 1, "none"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.type << " of " << r.size << " bytes");
        WriteRawSetting("Value", r.type, r.data, r.size);
        EXPECT_EQ(GetSettingInt("Value", 7), r.asInt);
        EXPECT_EQ(GetSettingString("Value", "none"), r.asString);
    }
}
