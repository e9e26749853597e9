// The Floppy page: two packed setting words edited with one pair of combos.
#include "pages/floppy.h"
#include "res/dlg_floppy.h"
#include "tests/support/gui.h"

using FloppyPageTest = DialogTest;

TEST_F(FloppyPageTest, FieldsOutOfRangeShowItemZeroAndStayUntilTheirComboIsUsed)
{
    const int device = IDC_FLOPPY_DEVICE, options = IDC_FLOPPY_OPTIONS, closeOnly = -1;
    const struct { DWORD stored0, stored1; int drive; const char* shown; int combo, item; DWORD written0, written1; } rows[] = {
        {513, 0, 0, "A:|No auto-detect", options, 9, 801, 0},  // bit 9 kept; Floppy1 absent, written as 0
        {31 | 10 << 5, 0, 0, "None|No auto-detect", options, 1, 63, 0},
        {0, 15 << 5 | 2, 1, "B:|No auto-detect", device, 26, 0, 15 << 5 | 26},
        {26 | 9 << 5, 0, 0, "Z:|9 sec. auto-detect", device, 0, 9 << 5, 0},
        {0xFFFFFFFF, 0, 0, "None|No auto-detect", options, 0, 0xFFFFFE1F, 0},
        {0, 3 << 5 | 2, 1, "B:|3 sec. auto-detect", options, closeOnly, 0, 98},  // closing the list marks the page
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.stored0 << " " << r.stored1);
        DeleteCompanyKey();
        WriteDwordSetting("Floppy0", r.stored0);
        if (r.stored1) WriteDwordSetting("Floppy1", r.stored1);
        CFloppy page;
        SheetHarness sheet({&page});
        if (r.drive) ClickRadio(page.m_hWnd, IDC_FLOPPY_INTERNAL1);
        EXPECT_FALSE(sheet.IsApplyEnabled());  // a drive's radio button shows it and changes nothing
        EXPECT_EQ(ControlText(page.m_hWnd, device) + "|" + ControlText(page.m_hWnd, options), r.shown);
        if (r.item == closeOnly)
            OpenAndCloseCombo(page.m_hWnd, r.combo);
        else
            ChooseComboItem(page.m_hWnd, r.combo, r.item);
        EXPECT_TRUE(sheet.IsApplyEnabled());
        if (r.drive) ClickRadio(page.m_hWnd, IDC_FLOPPY_INTERNAL0);  // back to drive 0, whose device is None
        EXPECT_TRUE(!r.drive || ControlText(page.m_hWnd, device) == "None");
        sheet.PressOK();
        EXPECT_EQ(ReadDwordSetting("Floppy0"), r.written0);
        EXPECT_EQ(ReadDwordSetting("Floppy1"), r.written1);
    }
}
