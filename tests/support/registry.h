#pragma once
// Direct access to the settings key, bypassing the code under test.
#include <windows.h>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

constexpr char kSettingsKey[] = "Software\\Tessaran\\KORVEX\\Settings";
// The program's own key beside the settings: the hard files kept unchecked.
constexpr char kHardFilesKey[] = "Software\\Tessaran\\KORVEX\\Hard Files";

// Removes HKEY_CURRENT_USER\Software\Tessaran and everything below it.
void DeleteCompanyKey();
bool CompanyKeyExists();

struct RawValue {
    DWORD type;
    std::vector<BYTE> data;
    bool operator==(const RawValue& other) const { return type == other.type && data == other.data; }
};
// Every value of a key (the settings section unless named) by name, as the
// ANSI calls read it.
using SettingsSnapshot = std::map<std::string, RawValue>;
SettingsSnapshot ReadAllSettings(const char* key = kSettingsKey);
std::optional<RawValue> Find(const SettingsSnapshot& values, const std::string& name);
std::optional<RawValue> ReadRawSetting(const std::string& name);
void WriteRawSetting(const std::string& name, DWORD type, const void* data, DWORD size, const char* key = kSettingsKey);
void WriteStringSetting(const std::string& name, const std::string& value, const char* key = kSettingsKey);
void WriteDwordSetting(const std::string& name, DWORD value);
// A value as the program reads it: an integer only from a four-byte DWORD, a
// string only from a REG_SZ, up to its first zero; anything else is absent.
std::optional<DWORD> DwordOf(const std::optional<RawValue>& raw);
std::optional<std::string> TextOf(const std::optional<RawValue>& raw);
// Number of values in the settings section (0 when it does not exist).
int CountSettings();

// Tests that start and end without any settings.
class FreshSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteCompanyKey(); }
    void TearDown() override { DeleteCompanyKey(); }
};
