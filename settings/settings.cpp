#include "settings/settings.h"
#include "framework/strings.h"
#include "framework/winapp.h"
#include "res/resource.h"

std::string SettingsSection()
{
    return LoadStringResource(IDS_SETTINGS);
}

int GetSettingInt(const char* name, int defaultValue)
{
    return AfxGetApp()->GetProfileInt(SettingsSection().c_str(), name, defaultValue);
}

std::string GetSettingString(const char* name, const std::string& defaultValue)
{
    return AfxGetApp()->GetProfileString(SettingsSection().c_str(), name, defaultValue.c_str());
}

void WriteSettingInt(const char* name, int value)
{
    AfxGetApp()->WriteProfileInt(SettingsSection().c_str(), name, value);
}

void WriteSettingString(const char* name, const std::string& value)
{
    AfxGetApp()->WriteProfileString(SettingsSection().c_str(), name, value);
}

std::string FamilyValueName(const char* nameWithDigit, int index)
{
    std::string name = nameWithDigit;
    if (!name.empty()) name.back() = static_cast<char>('0' + index);
    return name;
}
