// The SCSI page on a host whose scan found a CD-ROM drive at adapter 0 target
// 3, a disk at adapter 1 target 0 and a device of an unnamed type in slot 63.
#include "pages/scsi.h"
#include "res/dlg_scsi.h"
#include "tests/support/gui.h"
#include <climits>

namespace {
const char kCdRom[] = "CD-ROM ACME     CD-1000         ";
const char kDisk[] = "Disk ACME     DISK";

struct ScsiPageTest : DialogTest {
    ScsiPageTest()
    {
        host.ScsiDeviceTypes[3] = 6;
        host.ScsiDeviceNames[3] = "ACME     CD-1000         ";
        host.ScsiDeviceTypes[8] = 1;
        host.ScsiDeviceNames[8] = "ACME     DISK";
        host.ScsiDeviceTypes[63] = 32;  // peripheral type 31, which has no name
        host.ScsiDeviceTypes[20] = -5;  // not a device
    }
    static std::string Unit(int n) { return "SCSI" + std::to_string(n); }
    CHostInventory host;
};
}  // namespace

TEST_F(ScsiPageTest, UnitsShowTheirStoredSlotsAndKeepThemUntilTheComboIsUsed)
{
    const struct { int stored; const char* shown; } rows[ScsiUnitCount] = {
        {3, kCdRom}, {8, kDisk}, {63, "Unknown "}, {5, "None"}, {-7, "None"}, {64, "None"}, {INT_MAX, "None"},
    };
    for (int n = 0; n < ScsiUnitCount; ++n) WriteDwordSetting(Unit(n), DWORD(rows[n].stored));
    CSCSI page(host);
    SheetHarness sheet({&page});
    EXPECT_EQ(ItemTexts(page.m_hWnd, IDC_SCSI_DEVICES), (Texts{"None", kCdRom, kDisk, "Unknown "}));
    for (int n = ScsiUnitCount - 1; n >= 0; --n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_SCSI_LINE0 + n), std::string(" ") + rows[n].shown);
        ClickRadio(page.m_hWnd, IDC_SCSI_UNIT0 + n);
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_SCSI_DEVICES), rows[n].shown);
    }
    EXPECT_FALSE(sheet.IsApplyEnabled());
}

TEST_F(ScsiPageTest, TheComboSetsTheCurrentUnitAndClosingItStoresTheShownNone)
{
    WriteDwordSetting("SCSI4", 5);
    CSCSI page(host);
    SheetHarness sheet({&page});
    const int closeOnly = -1;
    const struct { int unit, item; int written; } rows[] = {{2, 2, 8}, {0, 1, 3}, {4, closeOnly, -1}, {1, 1, 3}, {1, 0, -1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.unit);
        ClickRadio(page.m_hWnd, IDC_SCSI_UNIT0 + r.unit);
        if (r.item == closeOnly)
            OpenAndCloseCombo(page.m_hWnd, IDC_SCSI_DEVICES);
        else
            ChooseComboItem(page.m_hWnd, IDC_SCSI_DEVICES, r.item);
        EXPECT_TRUE(sheet.IsApplyEnabled());
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_SCSI_LINE0 + r.unit), " " + ControlText(page.m_hWnd, IDC_SCSI_DEVICES));
        sheet.PressApply();
        EXPECT_EQ(ReadDwordSetting(Unit(r.unit)), DWORD(r.written));
    }
    EXPECT_EQ(ReadDwordSetting("SCSI6"), 0xFFFFFFFFu);  // the default, written with the others
    EXPECT_EQ(CountSettings(), 7);
}
