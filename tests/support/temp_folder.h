#pragma once
// A fresh folder under the system's temporary folder, removed with its files.
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Path with a trailing backslash.
    const std::string& path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }
    std::string CreateFileOfSize(const std::string& name, unsigned long long size) const;

private:
    std::string m_path;
};

// The process's current directory, with a trailing backslash.
std::string CurrentDirectory();
bool FileExists(const std::string& path);
