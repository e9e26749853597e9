#include "tests/support/temp_folder.h"
#include "framework/handles.h"
#include <windows.h>
#include <shellapi.h>

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    m_path = std::string(base) + "korvex-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++counter) + "\\";
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    // Leave the folder first, or it cannot be removed.
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    ::SetCurrentDirectoryA(base);
    // The shell removes the folder with everything in it; the path ends in two zeros.
    const std::string from = m_path.substr(0, m_path.size() - 1) + '\0';
    SHFILEOPSTRUCTA remove = {nullptr, FO_DELETE, from.c_str()};
    remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&remove);
}

std::string TempFolder::CreateFileOfSize(const std::string& name, unsigned long long size) const
{
    std::string full = File(name);
    unique_hfile file(::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    ::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file.get());
    return full;
}

std::string CurrentDirectory()
{
    char buffer[MAX_PATH];
    DWORD length = ::GetCurrentDirectoryA(MAX_PATH, buffer);
    std::string path(buffer, length);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
