#include "tests/support/temp_folder.h"
#include "framework/handles.h"
#include <windows.h>

namespace {
// Wide calls: tests also make files whose names the ANSI code page cannot spell.
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + L"\\");
            else
                ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(search, &entry));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}
}  // namespace

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
    RemoveTree(WidePath(m_path));
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

std::wstring WidePath(const std::string& path)
{
    std::wstring wide(path.size(), L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[0],
                                      static_cast<int>(wide.size())));
    return wide;
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
