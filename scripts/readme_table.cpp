// readme_table: writes the README back with its table of settings values made
// anew from the program's own table (settings/values.h), so the README cannot
// drift from what the program writes. Reads the README on standard input and
// writes it to standard output; the table stands between two marker lines.
//   wine readme_table.exe < README.md > README.new
#include "settings/values.h"
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {
const char kBegin[] = "<!-- settings table: made by scripts/readme_table.cpp -->\n";
const char kEnd[] = "<!-- end of settings table -->\n";

std::string DefaultText(const SettingValue& value, int unit)
{
    if (value.kind == SettingKind::String) return "\"\" (empty)";
    if (value.rule == DefaultRule::FromHostMemory)
        return "half the host's physical memory in MB, rounded up; at most 2047 and at most the memory available";
    int number = value.DefaultInt(unit);
    std::string text = std::to_string(number);
    if (number < 0 || number > 255) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " (0x%X)", static_cast<unsigned>(number));
        text += hex;
    }
    return text;
}

std::string Table()
{
    std::ostringstream table;
    table << "| value | kind | default when absent | written by the page |\n| --- | --- | --- | --- |\n";
    for (const SettingValue* value : setting::kAll) {
        for (int unit = 0; unit < value->units; ++unit) {
            table << "| `" << value->Name(unit) << "` | "
                  << (value->kind == SettingKind::Integer ? "integer (REG_DWORD)" : "string (REG_SZ)") << " | "
                  << DefaultText(*value, unit) << " | " << value->page << " |\n";
        }
    }
    return table.str();
}
}  // namespace

int main()
{
    // Byte for byte: no CR added to or taken from the line ends.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::string readme((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    size_t begin = readme.find(kBegin);
    size_t end = begin == std::string::npos ? begin : readme.find(kEnd, begin);
    if (end == std::string::npos) {
        std::cerr << "readme_table: the marker lines of the table are missing:\n" << kBegin << kEnd;
        return 1;
    }
    begin += sizeof kBegin - 1;
    std::cout << readme.substr(0, begin) << Table() << readme.substr(end);
    return 0;
}
