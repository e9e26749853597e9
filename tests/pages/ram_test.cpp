// The RAM page on a real sheet, against a scripted memory status of the host.
#include "pages/advanced.h"
#include "pages/ram.h"
#include "res/dlg_ram.h"
#include "tests/support/gui.h"
#include <climits>

namespace {
MemoryStatus g_host;
MemoryStatus ScriptedHost() { return g_host; }
constexpr int kAbsent = INT_MIN;
std::string Range(int high) { return "Please enter an integer between 0 and " + std::to_string(high) + "."; }
}  // namespace

TEST(RamPage, ShowsTheHostFiguresAndKeepsItselfUntilTheAmountIsInRange)
{
    const std::string integer = "Please enter an integer.";
    const struct { int stored; ULONGLONG totalMiB; int availableMiB, recommended; const char* typed; std::string refusal; } rows[] = {
        {kAbsent, 64, 100, 32, nullptr, ""}, {kAbsent, 63, 100, 32, nullptr, ""}, {kAbsent, 95, 100, 48, nullptr, ""},
        {kAbsent, 24 << 10, 47061, 2047, nullptr, ""}, {kAbsent, 64, 20, 20, nullptr, ""},  // a default it accepts
        {3000, 64, 100, 32, nullptr, Range(2047)}, {150, 64, 100, 32, nullptr, Range(100)},
        {kAbsent, 64, 100, 32, "2048", Range(2047)}, {kAbsent, 64, 100, 32, "101", Range(100)},
        {kAbsent, 64, 100, 32, "12x", integer}, {kAbsent, 64, 100, 32, "4294967328", integer},
        {32767, 24 << 10, 40000, 2047, "", Range(2047)},  // "": the up arrow, which works beyond 16 bits
    };
    for (const auto& r : rows) {
        const std::string shown = std::to_string(r.stored == kAbsent ? r.recommended : r.stored);
        SCOPED_TRACE(shown + (r.typed ? std::string(" typed ") + r.typed : ""));
        DeleteCompanyKey();
        TestApp().ResetScript();
        if (r.stored != kAbsent) WriteDwordSetting("Memory", r.stored);
        // The available amount lies half in physical, half in page-file memory.
        g_host = {r.totalMiB << 20, ULONGLONG(r.availableMiB / 2) << 20, ULONGLONG(r.availableMiB - r.availableMiB / 2) << 20};
        CRAM page(ScriptedHost);
        CAdvanced other;
        SheetHarness sheet({&page, &other});
        HWND edit = ::GetDlgItem(page.m_hWnd, IDC_RAM_SELECTED);
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_RAM_AVAILABLE), std::to_string(r.availableMiB));
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_RAM_RECOMMENDED), "Recommended:  " + std::to_string(r.recommended) + " MB");
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_RAM_SELECTED), shown);
        if (r.typed && *r.typed) ::SetWindowTextA(edit, r.typed);
        if (r.typed && !*r.typed) ::SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
        const std::string typed = ControlText(page.m_hWnd, IDC_RAM_SELECTED);
        EXPECT_EQ(typed, !r.typed ? shown : *r.typed ? r.typed : std::to_string(r.stored + 1));

        sheet.ShowPage(1);  // leaving, then coming back, shows the amount again: no change
        if (sheet.CurrentPage() == 1) sheet.ShowPage(0);
        EXPECT_EQ(TestApp().messageBoxes.empty() ? "" : TestApp().messageBoxes[0].text, r.refusal);
        EXPECT_EQ(::SendMessageA(edit, EM_GETSEL, 0, 0), r.refusal.empty() ? 0 : MAKELONG(0, typed.size()));
        EXPECT_TRUE(r.refusal.empty() || ::GetFocus() == edit);
        EXPECT_EQ(sheet.IsApplyEnabled(), r.typed != nullptr);
        sheet.PressOK();
        EXPECT_EQ(sheet.IsClosed(), r.refusal.empty());
        EXPECT_EQ(DwordOf(ReadRawSetting("Memory")).value_or(kAbsent), r.refusal.empty() ? std::stoi(shown) : r.stored);
    }
    DeleteCompanyKey();
}
