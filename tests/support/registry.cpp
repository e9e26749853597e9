#include "tests/support/registry.h"
#include "framework/handles.h"
#include <shlwapi.h>
#include <cstring>

void DeleteCompanyKey()
{
    // The shell's call: RegDeleteTree is newer than Windows XP, which the 32-bit build targets.
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tessaran");
}

bool CompanyKeyExists()
{
    unique_hkey key;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tessaran", 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<RawValue> ReadRawSetting(const std::string& name)
{
    unique_hkey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value{type, std::vector<BYTE>(size)};
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

void WriteRawSetting(const std::string& name, DWORD type, const void* data, DWORD size)
{
    unique_hkey key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr);
    ::RegSetValueExA(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

void WriteStringSetting(const std::string& name, const std::string& value)
{
    WriteRawSetting(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void WriteDwordSetting(const std::string& name, DWORD value)
{
    WriteRawSetting(name, REG_DWORD, &value, sizeof value);
}

std::optional<DWORD> DwordOf(const std::optional<RawValue>& raw)
{
    if (!raw || raw->type != REG_DWORD || raw->data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD value;
    memcpy(&value, raw->data.data(), sizeof value);
    return value;
}

std::optional<std::string> TextOf(const std::optional<RawValue>& raw)
{
    if (!raw || raw->type != REG_SZ) return std::nullopt;
    std::string text(raw->data.begin(), raw->data.end());
    return text.substr(0, text.find('\0'));
}


SettingsSnapshot ReadAllSettings()
{
    SettingsSnapshot values;
    unique_hkey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return values;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (std::optional<RawValue> value = ReadRawSetting(name)) values[name] = *value;
    }
    return values;
}

int CountSettings() { return static_cast<int>(ReadAllSettings().size()); }
