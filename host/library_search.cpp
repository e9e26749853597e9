#include "host/library_search.h"
#include "framework/winapp.h"
#include <windows.h>
#include <string>

void KeepCurrentFolderOutOfLibrarySearch()
{
    const std::string program = ModulePath();
    const size_t separator = program.find_last_of('\\');
    const std::string folder = separator == std::string::npos ? std::string() : program.substr(0, separator);
    // Naming a folder for the search takes the current folder out of it; the
    // program's own folder is searched first anyway, so naming it adds nothing.
    // The empty name says the same to Windows, but Wine ignores it.
    if (folder.empty() || !::SetDllDirectoryA(folder.c_str())) ::SetDllDirectoryA("");
}
