// The Floppy page: two packed setting words edited with one pair of combos.
#include "pages/floppy.h"
#include "res/dlg_floppy.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"

using FloppyPageTest = FreshSettingsTest;

TEST_F(FloppyPageTest, FieldsOutOfRangeShowItemZeroAndStayUntilTheirComboIsUsed)
{
    const struct { DWORD stored; const char *device, *options; int combo, item; DWORD written; } rows[] = {
        {513, "A:", "No auto-detect", IDC_FLOPPY_OPTIONS, 9, 801},  // bit 9 kept
        {31, "None", "No auto-detect", IDC_FLOPPY_OPTIONS, 1, 63},
        {15 << 5 | 2, "B:", "No auto-detect", IDC_FLOPPY_DEVICE, 26, 15 << 5 | 26},
        {26 | 9 << 5, "Z:", "9 sec. auto-detect", IDC_FLOPPY_DEVICE, 0, 9 << 5},
        {0xFFFFFFFF, "None", "No auto-detect", IDC_FLOPPY_OPTIONS, 0, 0xFFFFFE1F},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored);
        WriteDwordSetting("Floppy0", r.stored);
        CFloppy page;
        SheetHarness sheet({&page});
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_FLOPPY_DEVICE), r.device);
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_FLOPPY_OPTIONS), r.options);
        ChooseComboItem(page.m_hWnd, r.combo, r.item);
        sheet.PressOK();
        EXPECT_EQ(ReadDwordSetting("Floppy0"), r.written);
        EXPECT_EQ(ReadDwordSetting("Floppy1"), 0u);
    }
}

TEST_F(FloppyPageTest, RadiosSwitchDrivesWithoutMarkingThePageAndCombosMarkIt)
{
    CFloppy page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;
    Texts devices = ItemTexts(hwnd, IDC_FLOPPY_DEVICE);
    EXPECT_TRUE(devices.size() == 27 && devices[0] == "None" && devices[1] == "A:" && devices[26] == "Z:");
    EXPECT_EQ(ItemTexts(hwnd, IDC_FLOPPY_OPTIONS).size(), 10u);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, IDC_FLOPPY_FILE)));

    ClickRadio(hwnd, IDC_FLOPPY_INTERNAL1);
    EXPECT_FALSE(sheet.IsApplyEnabled());
    ChooseComboItem(hwnd, IDC_FLOPPY_DEVICE, 2);
    ChooseComboItem(hwnd, IDC_FLOPPY_OPTIONS, 3);
    ClickRadio(hwnd, IDC_FLOPPY_INTERNAL0);
    EXPECT_EQ(ControlText(hwnd, IDC_FLOPPY_DEVICE), "None");
    ClickRadio(hwnd, IDC_FLOPPY_INTERNAL1);
    EXPECT_EQ(ControlText(hwnd, IDC_FLOPPY_OPTIONS), "3 sec. auto-detect");  // item 3
    sheet.PressApply();
    EXPECT_EQ(ReadDwordSetting("Floppy0"), 0u);
    EXPECT_EQ(ReadDwordSetting("Floppy1"), 98u);

    ClickRadio(hwnd, IDC_FLOPPY_INTERNAL0);
    EXPECT_FALSE(sheet.IsApplyEnabled());
    OpenAndCloseCombo(hwnd, IDC_FLOPPY_OPTIONS);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    EXPECT_EQ(ControlText(hwnd, IDC_FLOPPY_FILE_TEXT), "");
}
