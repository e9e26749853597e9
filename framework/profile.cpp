#include "framework/profile.h"
#include "framework/handles.h"
#include <vector>

namespace {

unique_hkey OpenForReading(const std::string& path)
{
    unique_hkey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        key.release();  // leave nothing behind on failure
    return key;
}

unique_hkey CreateForWriting(const std::string& path)
{
    unique_hkey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        key.release();
    return key;
}

}  // namespace

int RegistryProfile::GetInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    unique_hkey key = OpenForReading(SectionPath(section));
    if (!key) return defaultValue;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG status = ::RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return defaultValue;
    return static_cast<int>(value);
}

std::string RegistryProfile::GetString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const
{
    unique_hkey key = OpenForReading(SectionPath(section));
    if (!key) return defaultValue;
    // The value may grow between the size query and the read; retry until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD type = 0, size = static_cast<DWORD>(buffer.size());
        LONG status = ::RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_MORE_DATA) {
            buffer.resize(static_cast<size_t>(size) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS || type != REG_SZ) return defaultValue;
        // A stored string need not carry its terminating zero; stop at the first one.
        std::string text(buffer.data(), size);
        size_t end = text.find('\0');
        if (end != std::string::npos) text.resize(end);
        return text;
    }
}

bool RegistryProfile::WriteInt(const std::string& section, const std::string& entry, int value) const
{
    unique_hkey key = CreateForWriting(SectionPath(section));
    if (!key) return false;
    DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.get(), entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

bool RegistryProfile::WriteString(const std::string& section, const std::string& entry,
                                  const std::string& value) const
{
    unique_hkey key = CreateForWriting(SectionPath(section));
    if (!key) return false;
    return ::RegSetValueExA(key.get(), entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryProfile::DeleteSection(const std::string& section) const
{
    LONG status = ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionPath(section).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
