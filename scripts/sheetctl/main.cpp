// sheetctl: drives the "KORVEX Properties" sheet of a running KORVEX.EXE from a
// script (the program takes no options). Run it under the same Wine prefix and
// display as the program. Exit status 0 on success, 1 on failure, 2 on misuse.
#include "scripts/sheetctl/sheet.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

const char kUsage[] =
    "usage: sheetctl [--desktop NAME] COMMAND\n"
    "  --desktop NAME   look for the sheet on that Wine desktop (waiting for it too)\n"
    "  wait [SECONDS]   wait until the sheet is shown (default 60)\n"
    "  size             print the sheet's width and height in pixels, frame included\n"
    "  count            print the number of pages\n"
    "  title N          print the tab title of page N (from 0)\n"
    "  select N         show page N\n"
    "  cancel           press Cancel and wait until the sheet is gone\n";

const DWORD kCloseMs = 10000;

int Fail(const char* what) {
    std::fprintf(stderr, "sheetctl: %s\n", what);
    return 1;
}

bool ParseCount(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text && !*end && value >= 0;
}

void PrintLine(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &utf8[0], size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

int Run(int argc, char** argv) {
    std::wstring desktop;
    if (argc > 2 && std::strcmp(argv[1], "--desktop") == 0) {
        desktop.assign(argv[2], argv[2] + std::strlen(argv[2]));
        argc -= 2;
        argv += 2;
    }
    const std::string command = argc > 1 ? argv[1] : "";
    long number = 0;
    const bool hasNumber = argc == 3 && ParseCount(argv[2], number);

    if (command == "wait" && (argc == 2 || hasNumber)) {
        const DWORD limitMs = (argc == 3 ? static_cast<DWORD>(number) : 60) * 1000;
        const DWORD start = GetTickCount();
        if (!desktop.empty() && !sheetctl::UseDesktop(desktop.c_str(), limitMs))
            return Fail("the desktop did not appear");
        const DWORD spent = GetTickCount() - start;
        return sheetctl::WaitForSheet(spent < limitMs ? limitMs - spent : 0) ? 0 : Fail("the sheet did not appear");
    }

    const bool knownCommand = (argc == 2 && (command == "count" || command == "cancel" || command == "size")) ||
                              (hasNumber && (command == "title" || command == "select"));
    if (!knownCommand) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!desktop.empty() && !sheetctl::UseDesktop(desktop.c_str(), 0)) return Fail("no such desktop");
    HWND sheet = sheetctl::FindSheet();
    if (!sheet) return Fail("no sheet is shown");

    if (command == "count") {
        int count = sheetctl::PageCount(sheet);
        if (count < 0) return Fail("the sheet does not answer");
        std::printf("%d\n", count);
        return 0;
    }
    if (command == "size") {
        SIZE size;
        if (!sheetctl::SheetSize(sheet, size)) return Fail("the sheet is gone");
        std::printf("%ld %ld\n", size.cx, size.cy);
        return 0;
    }
    if (command == "title") {
        std::wstring title;
        if (!sheetctl::PageTitle(sheet, static_cast<int>(number), title)) return Fail("no such page");
        PrintLine(title);
        return 0;
    }
    if (command == "select")
        return sheetctl::SelectPage(sheet, static_cast<int>(number)) ? 0 : Fail("the page was not shown");
    // cancel
    if (!sheetctl::PressCancel(sheet)) return Fail("the sheet does not answer");
    return sheetctl::WaitUntilClosed(sheet, kCloseMs) ? 0 : Fail("the sheet did not close");
}

}  // namespace

int main(int argc, char** argv) {
    // Scripts read the output through a pipe: no "\r\n" from text mode.
    _setmode(_fileno(stdout), _O_BINARY);
    return Run(argc, argv);
}
