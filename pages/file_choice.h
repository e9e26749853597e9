#pragma once
// Choosing a file in the common dialogs. Every file dialog of the program opens
// in the process's current directory, and choosing a file moves the current
// directory to that file's folder, so the next dialog of any page opens there.
//
// Paths are stored as ANSI strings, which the emulator reads, and every ANSI
// file call needs them shorter than MAX_PATH. A file the user names in a way
// the code page cannot spell, or by a longer path, is reached through its
// short (8.3) name; a file that has none cannot be used, and the user is told.
// Every name the user picks, types or drops goes through this one rule.
#include <windows.h>
#include <optional>
#include <string>

// The ANSI path that opens the file at `path`: the path itself when the code
// page spells it exactly and it is shorter than MAX_PATH, else its short form
// when that fits; nothing otherwise (the file must exist to have a short form).
std::optional<std::string> UsableAnsiPath(const std::wstring& path);
// The same, telling the user when the file cannot be used.
std::optional<std::string> UsableAnsiPathOrSay(const std::wstring& path);
// Tells the user that the file at `path` cannot be used.
void SayFileUnusable(const std::wstring& path);

// Asks for a file with the title, filter and proposed name taken from the string
// table. On OK returns true with the usable full path and has moved the current
// directory; on Cancel, or a file that cannot be used, returns false.
bool ChooseFile(bool openDialog, UINT titleId, UINT filterId, UINT fileNameId, DWORD flags, std::string& path);

// The characters before the file-name part, the trailing separator included.
std::string FolderOf(const std::string& path);
