// The Misc page on a host with two sound devices, CD-ROM drive D: and network
// drives F: and H:, among drives of other kinds.
#include "pages/misc.h"
#include "res/dlg_misc.h"
#include "tests/support/gui.h"
#include <climits>
#include <map>

namespace {
struct MiscPageTest : DialogTest {
    MiscPageTest()
    {
        host.SoundDeviceNames[0] = "Speakers";
        host.SoundDeviceNames[1] = "Headphones";
        host.SoundDeviceCount = 2;
    }
    static DriveProbe Drives()
    {
        // A failed type query answers DRIVE_UNKNOWN.
        static const std::map<char, UINT> types = {{'A', DRIVE_REMOVABLE}, {'C', DRIVE_FIXED}, {'D', DRIVE_CDROM},
            {'F', DRIVE_REMOTE}, {'H', DRIVE_REMOTE}, {'R', DRIVE_RAMDISK}, {'S', DRIVE_UNKNOWN}};
        return {[] { DWORD mask = 0; for (const auto& drive : types) mask |= 1u << (drive.first - 'A'); return mask; },
                [](const std::string& root) { return types.at(root[0]); }};
    }
    CHostInventory host;
    const int combos[3] = {IDC_SOUND_DEVICE, IDC_NETWORK_DRIVE, IDC_CDROM_DRIVE};
};
}  // namespace

TEST_F(MiscPageTest, StoredValuesShowTheirItemOrNoneAndApplyWritesWhatIsShown)
{
    const char* const names[] = {"Audio_Device", "Ethernet", "CD_ROM"};
    const struct { int stored[3]; const char* shown[3]; int written[3]; } rows[] = {
        {{0, 0, 0}, {"Speakers", "None", "None"}, {0, 0, 0}},
        {{-1, 8, 4}, {"None", "H:", "D:"}, {-1, 8, 4}},
        {{1, 6, 0}, {"Headphones", "F:", "None"}, {1, 6, 0}},
        {{2, 5, 6}, {"None", "None", "None"}, {-1, 0, 0}},  // no such device, E: absent, F: no CD-ROM
        {{-2, 38, 36}, {"None", "F:", "D:"}, {-1, 6, 4}},   // lower-case letters match too
        {{INT_MIN, -64, 262}, {"None", "None", "None"}, {-1, 0, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.stored[0] << " " << r.stored[1] << " " << r.stored[2]);
        for (int v = 0; v < 3; ++v) WriteDwordSetting(names[v], DWORD(r.stored[v]));
        CMisc page(Drives(), host);
        SheetHarness sheet({&page});
        for (int v = 0; v < 3; ++v) EXPECT_EQ(ControlText(page.m_hWnd, combos[v]), r.shown[v]);
        sheet.PressOK();
        for (int v = 0; v < 3; ++v) EXPECT_EQ(ReadDwordSetting(names[v]), DWORD(r.written[v]));
    }
}

TEST_F(MiscPageTest, ListsEachKindOfDeviceAndClosingAListMarksThePage)
{
    CMisc page(Drives(), host);
    SheetHarness sheet({&page});
    const Texts lists[] = {{"None", "Speakers", "Headphones"}, {"None", "F:", "H:"}, {"None", "D:"}};
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(ItemTexts(page.m_hWnd, combos[v]), lists[v]);
        EXPECT_FALSE(sheet.IsApplyEnabled());
        OpenAndCloseCombo(page.m_hWnd, combos[v]);
        EXPECT_TRUE(sheet.IsApplyEnabled()) << combos[v];
        sheet.PressApply();
    }
}
