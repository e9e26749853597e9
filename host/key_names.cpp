#include "host/key_names.h"

#include <cstdio>
#include <initializer_list>

namespace {

// Codes that have a name of their own, as runs of consecutive codes.
struct NamedRun {
    int first;
    std::initializer_list<const char*> names;
};

const NamedRun kNamedRuns[] = {
    {0x00, {"None", "Esc", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "Back", "Tab",
            "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]", "Return", "LCtrl",
            "A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'", "`", "LShift", "\\",
            "Z", "X", "C", "V", "B", "N", "M", ",", ".", "/", "RShift", "Num *", "LAlt", "Space", "Caps",
            "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "NLock", "SLock",
            "Num 7", "Num 8", "Num 9", "Num -", "Num 4", "Num 5", "Num 6", "Num +",
            "Num 1", "Num 2", "Num 3", "Num 0", "Num ."}},
    {0x56, {"<>", "F11", "F12"}},
    {0x64, {"F13", "F14", "F15"}},
    {0x70, {"Kana"}},
    {0x73, {"/"}},  // the extra slash key of Brazilian keyboards
    {0x79, {"Conv"}},
    {0x7B, {"NoCnv"}},
    {0x7D, {"Yen", "Num ."}},  // the numeric-pad point of Brazilian keyboards
    {0x8D, {"Num ="}},
    {0x90, {"Prev", "@", ":", "_", "Kanji", "Stop", "AX", "?"}},
    {0x99, {"Next"}},
    {0x9C, {"NEnter", "RCtrl"}},
    {0xA0, {"Mute", "Calc", "Play"}},
    {0xA4, {"Stop"}},  // the media key; 0x95 is a Japanese keyboard's
    {0xAE, {"Vol -"}},
    {0xB0, {"Vol +"}},
    {0xB2, {"iHome", "Num ,"}},
    {0xB5, {"Num /"}},
    {0xB7, {"SysRq", "RAlt"}},
    {0xC5, {"Pause"}},
    {0xC7, {"Home", "Up", "PgUp"}},
    {0xCB, {"Left"}},
    {0xCD, {"Right"}},
    {0xCF, {"End", "Down", "PgDn", "Insert", "Delete"}},
    {0xDB, {"LWin", "RWin", "Menu", "Power", "Sleep"}},
    {0xE3, {"Wake"}},
    {0xE5, {"Search", "Faves", "Refrsh", "iStop", "iFor", "iBack", "MyCom", "Mail", "Select"}},
};

std::array<std::string, KeyNameCount> BuildKeyNameTable()
{
    std::array<std::string, KeyNameCount> table;
    for (int code = 0; code < KeyNameCount; ++code) {
        char name[4];
        std::snprintf(name, sizeof name, "x%02X", code);
        table[code] = name;
    }
    for (const NamedRun& run : kNamedRuns) {
        int code = run.first;
        for (const char* name : run.names) table[code++] = name;
    }
    return table;
}

}  // namespace

const std::array<std::string, KeyNameCount> KeyNameTable = BuildKeyNameTable();
