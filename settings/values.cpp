#include "settings/values.h"
#include "settings/settings.h"

std::string SettingValue::Name(int unit) const
{
    return units > 1 ? FamilyValueName(name, unit) : std::string(name);
}

int SettingValue::DefaultInt(int unit) const
{
    return rule == DefaultRule::UnitZeroIsZero && unit == 0 ? 0 : defaultInt;
}

int ReadSettingInt(const SettingValue& value, int unit)
{
    return GetSettingInt(value.Name(unit).c_str(), value.DefaultInt(unit));
}

int ReadSettingInt(const SettingValue& value, int unit, int defaultValue)
{
    return GetSettingInt(value.Name(unit).c_str(), defaultValue);
}

std::string ReadSettingString(const SettingValue& value, int unit)
{
    return GetSettingString(value.Name(unit).c_str());
}

void WriteSettingInt(const SettingValue& value, int unit, int data)
{
    WriteSettingInt(value.Name(unit).c_str(), data);
}

void WriteSettingString(const SettingValue& value, int unit, const std::string& data)
{
    WriteSettingString(value.Name(unit).c_str(), data);
}
