#pragma once
// The short printable name of every keyboard scan code (DirectInput's key codes:
// the set-1 scan codes, extended keys at 0x80 and above). Names are at most six
// characters long and not unique; codes without a key of their own read "x54".
#include <array>
#include <string>

constexpr int KeyNameCount = 256;

// Filled when the program starts, before the application object runs.
extern const std::array<std::string, KeyNameCount> KeyNameTable;
