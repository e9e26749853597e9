#pragma once
// Choosing a file in the common dialogs. Every file dialog of the program opens
// in the process's current directory, and choosing a file moves the current
// directory to that file's folder, so the next dialog of any page opens there.
#include <windows.h>
#include <string>

// Asks for a file with the title, filter and proposed name taken from the string
// table. On OK returns true with the full path and has moved the current
// directory; on Cancel returns false and changes nothing.
bool ChooseFile(bool openDialog, UINT titleId, UINT filterId, UINT fileNameId, DWORD flags, std::string& path);

// The characters before the file-name part, the trailing separator included.
std::string FolderOf(const std::string& path);

// The process's current directory when it fits in 260 characters, else empty.
std::string CurrentDirectoryForDialog();
