#pragma once
// The registry behind the application's profile functions: values live under
// HKEY_CURRENT_USER\<application key>\<section>. Reads never create anything and
// fall back to the caller's default on any failure (missing key or value, a value
// of another kind or size); writes create the keys they need.
#include <windows.h>
#include <string>

class RegistryProfile {
public:
    explicit RegistryProfile(std::string applicationKey) : m_applicationKey(std::move(applicationKey)) {}

    const std::string& ApplicationKey() const { return m_applicationKey; }

    // Integers are 32-bit DWORDs used as signed values: -1 is stored as 0xFFFFFFFF.
    int GetInt(const std::string& section, const std::string& entry, int defaultValue) const;
    std::string GetString(const std::string& section, const std::string& entry, const std::string& defaultValue) const;
    bool WriteInt(const std::string& section, const std::string& entry, int value) const;
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) const;
    // Removes the section with all its values; true when it is gone (or never was).
    bool DeleteSection(const std::string& section) const;

private:
    std::string SectionPath(const std::string& section) const { return m_applicationKey + "\\" + section; }

    std::string m_applicationKey;
};
