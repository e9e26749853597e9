#pragma once
// The hard files the user keeps on the Storage page's list without using them.
// The emulator reads only the Volume values, which hold the checked files; the
// unchecked ones are kept in a key of the program's own beside the settings
// (HKEY_CURRENT_USER\Software\Tessaran\KORVEX\Hard Files, values File0 onward),
// so that they are still on the list the next time the sheet opens.
#include <string>
#include <vector>

// In the order they were written; reading stops at the first absent or empty value.
std::vector<std::string> ReadUncheckedHardFiles();
// Replaces what was kept: no file leaves no key at all.
void WriteUncheckedHardFiles(const std::vector<std::string>& paths);
