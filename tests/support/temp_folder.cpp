#include "tests/support/temp_folder.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include <windows.h>

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    m_path = std::string(base) + "korvex-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++counter) + "\\";
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

namespace {
// Removes a folder with everything in it, whatever the names: long ones and
// those the ANSI code page cannot spell included.
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    unique_hfind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    for (bool more = static_cast<bool>(search); more; more = ::FindNextFileW(search.get(), &found)) {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(path);
        else
            ::DeleteFileW(path.c_str());
    }
    search.reset();
    ::RemoveDirectoryW(folder.c_str());
}
}  // namespace

TempFolder::~TempFolder()
{
    // Leave the folder first, or it cannot be removed.
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    ::SetCurrentDirectoryA(base);
    // The prefix lifts the length limit of the paths inside.
    RemoveTree(L"\\\\?\\" + WidenAnsi(m_path.substr(0, m_path.size() - 1)));
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
