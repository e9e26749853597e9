#pragma once
// Driving the Storage page the way a user does, and reading its list back.
#include <windows.h>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;

// The hard-file list as "+path" (checked) and "-path" (unchecked) rows.
Rows ListRows();
// A click on the row's check box.
void ClickCheckBox(HWND page, int row);
// A click on the row's text: selects it, as the user does.
void ClickRow(HWND page, int row);
// A click on the upper or lower arrow of the page's spin control.
void ClickSpin(HWND page, bool upper);
// A file of `size` bytes, each of them `fill`.
void WriteFilledFile(const std::string& path, size_t size, char fill);
// The file's length when every byte of it is zero; -1 otherwise.
long long ZeroFileLength(const std::string& path);
