#pragma once
// The settings section every page reads and writes: the application's profile
// section named by string 137. The name is loaded from the string table on each
// use, never cached. Reads return the default when the value is absent or of
// another kind; results of writes are not examined by any page.
#include <string>

std::string SettingsSection();

int GetSettingInt(const char* name, int defaultValue);
std::string GetSettingString(const char* name, const std::string& defaultValue = std::string());
void WriteSettingInt(const char* name, int value);
void WriteSettingString(const char* name, const std::string& value);

// Name of unit `index` (0..9) of a family of values, from the family's name
// with its digit ("Volume0", 3 -> "Volume3"): only the last character changes.
std::string FamilyValueName(const char* nameWithDigit, int index);
