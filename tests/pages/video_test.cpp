// The Video page and its Video Device Properties dialog on real windows.
#include "host/host_inventory.h"
#include "pages/video.h"
#include "pages/video_props_dlg.h"
#include "res/dlg_video.h"
#include "tests/support/gui.h"
#include <memory>

namespace {
const std::string kNone = " None / No driver selected", kNoName = "  / No driver selected";

std::string Unit(const char* name, int unit) { return name + std::to_string(unit); }
void Send(HWND dialog, int id) { ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
// The track bar moved as a drag moves it: the position, then the scroll message.
void Slide(HWND dialog, int position)
{
    ::SendDlgItemMessageA(dialog, IDC_PROPS_FPS_SLIDER, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_PROPS_FPS_SLIDER)));
}

// The page on a host listing DISPLAY1 ("Adapter 1") onward.
class VideoPageTest : public DialogTest {
protected:
    void TearDown() override { sheet.reset(); ResetHostInventory(); DialogTest::TearDown(); }
    void Open(int devices)
    {
        ResetHostInventory();
        for (int i = 0; i < devices; ++i) {
            HostInventory.DisplayDriverNames[i] = Unit("DISPLAY", i + 1);
            HostInventory.DisplayDescriptions[i] = Unit("Adapter ", i + 1);
        }
        HostInventory.DisplayDeviceCount = devices;
        sheet.reset(new SheetHarness({&page}));
        hwnd = page.m_hWnd;
    }
    std::string Line(int unit) const { return ControlText(hwnd, IDC_VIDEO_LINE1 + unit); }
    int Selection() const { return static_cast<int>(::SendDlgItemMessageA(hwnd, IDC_VIDEO_DEVICE, CB_GETCURSEL, 0, 0)); }
    // Presses Properties...; `action` runs on the dialog if one opens.
    void Properties(std::function<void(HWND)> action)
    {
        OnNextModalDialog(std::move(action));
        Send(hwnd, IDC_VIDEO_PROPERTIES);
        ForgetModalAction();
    }

    CVideo page;
    std::unique_ptr<SheetHarness> sheet;
    HWND hwnd = nullptr;
};
}  // namespace

TEST_F(VideoPageTest, WithoutListedDevicesTheFirstUnitTakesThePrimaryDisplay)
{
    Open(0);
    EXPECT_EQ(ItemTexts(hwnd, IDC_VIDEO_DEVICE), (Texts{"None", "Primary_Device"}));
    EXPECT_EQ(Line(0) + "|" + Line(5), " Primary_Device / No driver selected|" + kNone);
    EXPECT_EQ(Selection(), 1);
    sheet->PressOK();
    for (int unit = 0; unit < VideoUnitCount; ++unit)
        EXPECT_EQ(ReadDwordSetting(Unit("Video_Device", unit)), unit ? 0xFFFFFFFFu : 0u) << unit;
}

TEST_F(VideoPageTest, IndexesThatNameNoListedDeviceShowNothingAndAreKept)
{
    const struct { int device, selection; std::string line, description; } units[] = {
        {1, 2, " DISPLAY2 / No driver selected", "Adapter 2"}, {2, -1, kNoName, ""}, {16, -1, kNoName, ""},
        {0x7FFFFFFF, -1, kNoName, ""}, {-7, -1, kNone, "<none>"}, {-1, 0, kNone, "<none>"},
    };
    for (int unit = 0; unit < VideoUnitCount; ++unit) WriteDwordSetting(Unit("Video_Device", unit), units[unit].device);
    Open(2);
    EXPECT_EQ(ItemTexts(hwnd, IDC_VIDEO_DEVICE), (Texts{"None", "DISPLAY1", "DISPLAY2"}));
    for (int unit = 0; unit < VideoUnitCount; ++unit) {
        SCOPED_TRACE(unit);
        Send(hwnd, IDC_VIDEO_UNIT1 + unit);
        EXPECT_EQ(Line(unit), units[unit].line);
        EXPECT_EQ(Selection(), units[unit].selection);
        std::string description = "<none>";  // Properties... opens nothing without a device
        Properties([&](HWND dialog) { description = ControlText(dialog, IDC_PROPS_DEVICE); Send(dialog, IDCANCEL); });
        EXPECT_EQ(description, units[unit].description);
    }
    EXPECT_FALSE(sheet->IsApplyEnabled());  // switching units and cancelling change nothing
    Send(hwnd, IDC_VIDEO_UNIT1 + 2);
    OpenAndCloseCombo(hwnd, IDC_VIDEO_DEVICE);  // closed without a choice: the unit keeps 16
    EXPECT_TRUE(sheet->IsApplyEnabled());
    sheet->PressOK();
    EXPECT_EQ(ReadDwordSetting("Video_Device2"), 16u);
    EXPECT_EQ(ReadDwordSetting("Video_Flags5"), 0x2011Eu);  // the default: 30 frames, QD, 2 MB
}

TEST_F(VideoPageTest, PropertiesDeviceAndDriverChangeTheCurrentUnit)
{
    const DWORD reserved = 0x7F00FE00;  // Cancel keeps them (checked above), OK clears them
    for (const char* unit : {"0", "1"}) {
        WriteDwordSetting(std::string("Video_Device") + unit, 0);
        WriteDwordSetting(std::string("Video_Flags") + unit, 0x2011E | reserved);
    }
    Open(2);
    Properties([](HWND dialog) { Send(dialog, IDOK); });
    Send(hwnd, IDC_VIDEO_UNIT1 + 1);
    Properties([](HWND dialog) {
        Slide(dialog, 1);
        ::CheckDlgButton(dialog, IDC_PROPS_QD, BST_UNCHECKED);
        ::SetDlgItemTextA(dialog, IDC_PROPS_RAM, "4");
        Send(dialog, IDOK);
    });
    ChooseComboItem(hwnd, IDC_VIDEO_DEVICE, 2);
    TestApp().AnswerFileDialog("C:\\drivers\\fast.kvd");
    Send(hwnd, IDC_VIDEO_DRIVER);
    EXPECT_EQ(Line(1), " DISPLAY2 / C:\\drivers\\fast.kvd");
    sheet->PressOK();
    EXPECT_EQ(ReadDwordSetting("Video_Flags0"), 0x2011Eu);
    EXPECT_EQ(ReadDwordSetting("Video_Flags1"), 60u + 4 * 65536);
    EXPECT_EQ(ReadDwordSetting("Video_Device1"), 1u);
    EXPECT_EQ(ReadStringSetting("Video_Driver1"), "C:\\drivers\\fast.kvd");
}

TEST_F(VideoPageTest, FrameRateFollowsTheTrackBarOnlyWhenItMovesAndRamMustBeTwoToEight)
{
    const std::string range = "Please enter an integer between 2 and 8.", integer = "Please enter an integer.";
    const struct { int given, position; const char* label; std::vector<int> moves; const char* ram; std::string refusal; int returned; } rows[] = {
        {30, 2, "30", {}, "5", "", 30}, {25, 2, "25", {}, "0", range, 25}, {25, 2, "25", {3, 2}, "9", range, 30},
        {0, 6, "10", {}, "x", integer, 10}, {100, 1, "100", {7}, "8", "", 10},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.given);
        TestApp().ResetScript();
        CVideoPropsDlg dialog;
        dialog.m_nFrameRate = r.given;
        OnNextModalDialog([&](HWND hwnd) {
            EXPECT_EQ(::SendDlgItemMessageA(hwnd, IDC_PROPS_FPS_SLIDER, TBM_GETPOS, 0, 0), r.position);
            EXPECT_EQ(ControlText(hwnd, IDC_PROPS_FPS), r.label);
            for (int position : r.moves) Slide(hwnd, position);
            ::SetDlgItemTextA(hwnd, IDC_PROPS_RAM, r.ram);
            Send(hwnd, IDOK);
            EXPECT_EQ(TestApp().messageBoxes.empty() ? "" : TestApp().messageBoxes[0].text, r.refusal);
            if (r.refusal.empty()) return;  // ended
            ::SetDlgItemTextA(hwnd, IDC_PROPS_RAM, "2");
            Send(hwnd, IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_nFrameRate, r.returned);
        EXPECT_EQ(dialog.m_nVideoRAM, r.refusal.empty() ? std::stoi(r.ram) : 2);
    }
}
