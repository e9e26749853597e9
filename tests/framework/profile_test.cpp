// The settings store as the emulator sees it: names, kinds and defaults.
#include "settings/settings.h"
#include "settings/values.h"
#include "framework/winapp.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <gtest/gtest.h>
#include <set>

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteCompanyKey(); }
    void TearDown() override { DeleteCompanyKey(); }
};

TEST_F(ProfileTest, AbsentValuesGiveDefaultsAndReadsCreateNothing)
{
    EXPECT_EQ(GetSettingInt("Machine", 0), 0);
    EXPECT_EQ(GetSettingInt("SCSI0", -1), -1);
    EXPECT_EQ(GetSettingString("ROM_Name"), "");
    EXPECT_EQ(GetSettingString("Port_A", "fallback"), "fallback");
    EXPECT_FALSE(CompanyKeyExists());

    // The key exists but the value does not.
    WriteDwordSetting("Other", 1);
    EXPECT_EQ(GetSettingInt("Machine", 5), 5);
}

TEST_F(ProfileTest, WritesCreateTheKeysAndStoreDwordsAndStrings)
{
    WriteSettingInt("Machine", 4);
    WriteSettingString("ROM_Name", "C:\\ROMS\\Korvex.rom");

    EXPECT_EQ(ReadDwordSetting("Machine"), 4u);
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "C:\\ROMS\\Korvex.rom");
    EXPECT_EQ(GetSettingInt("Machine", 0), 4);
    EXPECT_EQ(GetSettingString("ROM_Name"), "C:\\ROMS\\Korvex.rom");
}

TEST_F(ProfileTest, MinusOneIsAllBitsSetAndReadsBackSigned)
{
    WriteSettingInt("SCSI6", -1);
    EXPECT_EQ(ReadDwordSetting("SCSI6"), 0xFFFFFFFFu);
    EXPECT_EQ(GetSettingInt("SCSI6", 0), -1);

    WriteDwordSetting("Memory", 0x80000000u);
    EXPECT_EQ(GetSettingInt("Memory", 0), INT_MIN);
}

TEST_F(ProfileTest, ValuesOfTheWrongKindReadAsTheDefault)
{
    WriteStringSetting("Machine", "3");
    EXPECT_EQ(GetSettingInt("Machine", 7), 7);

    const BYTE bytes[4] = {1, 0, 0, 0};
    WriteRawSetting("Startup_Sound", REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(GetSettingInt("Startup_Sound", 7), 7);

    WriteRawSetting("Ethernet", REG_DWORD, bytes, 2);  // a DWORD of the wrong size
    EXPECT_EQ(GetSettingInt("Ethernet", 7), 7);

    const ULONGLONG wide = 5;
    WriteRawSetting("CD_ROM", REG_QWORD, &wide, sizeof wide);
    EXPECT_EQ(GetSettingInt("CD_ROM", 7), 7);

    WriteDwordSetting("ROM_Name", 12);
    EXPECT_EQ(GetSettingString("ROM_Name", "none"), "none");

    WriteRawSetting("Port_A", REG_MULTI_SZ, "COM1:\0\0", 7);
    EXPECT_EQ(GetSettingString("Port_A", "none"), "none");
}

TEST_F(ProfileTest, StringsOfAnyLengthReadWhole)
{
    std::string longPath = "C:\\" + std::string(5000, 'x') + ".hfi";
    WriteSettingString("Volume0", longPath);
    EXPECT_EQ(GetSettingString("Volume0"), longPath);

    // Stored without its terminating zero by another writer.
    WriteRawSetting("Volume1", REG_SZ, "abc", 3);
    EXPECT_EQ(GetSettingString("Volume1"), "abc");
}

TEST(SettingsNames, SectionComesFromTheStringTable)
{
    EXPECT_EQ(SettingsSection(), "Settings");
}

TEST(SettingsNames, FamilyNamesChangeOnlyTheLastCharacter)
{
    EXPECT_EQ(FamilyValueName("Volume0", 9), "Volume9");
    EXPECT_EQ(FamilyValueName("SCSI0", 6), "SCSI6");
    EXPECT_EQ(FamilyValueName("Floppy1", 0), "Floppy0");
    EXPECT_EQ(FamilyValueName("Video_Flags0", 5), "Video_Flags5");
}

TEST(SettingsNames, ApplicationNameIsTheExecutableNameWithoutExtension)
{
    EXPECT_EQ(ApplicationNameFromPath("C:\\Program Files\\KORVEX\\KORVEX.EXE"), "KORVEX");
    EXPECT_EQ(ApplicationNameFromPath("Z:/build/app/KORVEX.EXE"), "KORVEX");
    EXPECT_EQ(ApplicationNameFromPath("KORVEX"), "KORVEX");
}

TEST(SettingsTable, HoldsTheFortyEightValuesOnceEach)
{
    std::set<std::string> names;
    for (const SettingValue* value : setting::kAll) {
        SCOPED_TRACE(value->name);
        for (int unit = 0; unit < value->units; ++unit) names.insert(value->Name(unit));
    }
    EXPECT_EQ(names.size(), 48u);
    for (const char* name : {"Volume9", "Video_Device5", "Video_Driver5", "Video_Flags5", "SCSI6", "Floppy1", "CD_ROM"})
        EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(setting::VideoDevice.DefaultInt(0), 0);
    EXPECT_EQ(setting::VideoDevice.DefaultInt(5), -1);
}
