#pragma once
// All ten pages on one sheet, in the product's order, on a host the test
// describes: the probes a page takes are answered from it, and the rest of
// what the pages show comes from HostInventory, which the test fills.
#include "framework/propertypage.h"
#include "host/memory_status.h"
#include "tests/support/gui.h"
#include <memory>
#include <string>
#include <vector>

// What the RAM page says of an amount above `high`.
inline std::string RangeMessage(int high)
{
    return "Please enter an integer between 0 and " + std::to_string(high) + ".";
}

enum PageIndex { kGeneral, kStorage, kRam, kVideo, kInput, kPorts, kMisc, kScsi, kFloppy, kAdvanced, kPageCount };

struct ScriptedHost {
    MemoryStatus memory;
    DWORD drives = 0;  // bit n: drive 'A' + n
    UINT driveTypes[26] = {};
    unsigned openPorts = 0;  // bits 0-3: COM1: to COM4: open, bits 4-7: LPT1: to LPT4:
};

class FullSheet {
public:
    explicit FullSheet(const ScriptedHost& host);
    HWND Page(int index) const { return pages[index]->m_hWnd; }

    std::vector<std::unique_ptr<CPropertyPage>> pages;
    std::unique_ptr<SheetHarness> sheet;  // goes first: a page outlives the sheet that shows it
};
