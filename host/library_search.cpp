#include "host/library_search.h"
#include <windows.h>
#include <string>

void KeepCurrentFolderOutOfLibrarySearch()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
    size_t separator = folder.find_last_of('\\');
    folder.resize(separator == std::string::npos ? 0 : separator);
    // Naming a folder for the search takes the current folder out of it; the
    // program's own folder is searched first anyway, so naming it adds nothing.
    // The empty name says the same to Windows, but Wine ignores it.
    if (folder.empty() || !::SetDllDirectoryA(folder.c_str())) ::SetDllDirectoryA("");
}
