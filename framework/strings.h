#pragma once
#include <windows.h>
#include <string>

// Text of string-table entry `id` of the program's own module, whole whatever its
// length; empty when the entry does not exist.
std::string LoadStringResource(UINT id);

// Text between the ANSI code page and Unicode, whole (embedded zeros too).
// Characters the code page lacks come out as its look-alikes or '?'.
std::wstring WidenAnsi(const std::string& text);
std::string NarrowToAnsi(const std::wstring& text);
