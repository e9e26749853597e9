#pragma once
#include <windows.h>
#include <string>

// Text of string-table entry `id` of the program's own module, whole whatever its
// length; empty when the entry does not exist.
std::string LoadStringResource(UINT id);
