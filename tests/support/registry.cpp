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

void WriteRawSetting(const std::string& name, DWORD type, const void* data, DWORD size, const char* keyPath)
{
    unique_hkey key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr);
    ::RegSetValueExA(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

void WriteStringSetting(const std::string& name, const std::string& value, const char* key)
{
    WriteRawSetting(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1), key);
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

SettingsSnapshot ReadAllSettings(const char* keyPath)
{
    SettingsSnapshot values;
    unique_hkey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return values;
    char name[256];
    std::vector<BYTE> data(1 << 16);  // more than any value a test stores
    for (DWORD index = 0, length = sizeof name, type = 0, size = static_cast<DWORD>(data.size());
         ::RegEnumValueA(key.get(), index, name, &length, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
         ++index, length = sizeof name, size = static_cast<DWORD>(data.size()))
        values[name] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
    return values;
}

std::optional<RawValue> Find(const SettingsSnapshot& values, const std::string& name)
{
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<RawValue>(found->second);
}

std::optional<RawValue> ReadRawSetting(const std::string& name) { return Find(ReadAllSettings(), name); }

int CountSettings() { return static_cast<int>(ReadAllSettings().size()); }
