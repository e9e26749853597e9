// The Video page and its Video Device Properties dialog on real windows.
#include "host/host_inventory.h"
#include "pages/video.h"
#include "pages/video_props_dlg.h"
#include "res/dlg_video.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
const std::string kNone = " None / No driver selected";

void Send(HWND dialog, int id, UINT code = BN_CLICKED) { ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0); }
// The track bar moved as a drag moves it: the position, then the scroll message.
void Slide(HWND dialog, int position)
{
    ::SendDlgItemMessageA(dialog, IDC_PROPS_FPS_SLIDER, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_PROPS_FPS_SLIDER)));
}

// The page on a host listing DISPLAY1 ("Adapter 1") onward.
class VideoPageTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteCompanyKey(); TestApp().ResetScript(); }
    void TearDown() override { sheet.reset(); page.reset(); ResetHostInventory(); DeleteCompanyKey(); }
    void Open(int devices)
    {
        ResetHostInventory();
        for (int i = 0; i < devices; ++i) {
            HostInventory.DisplayDriverNames[i] = "DISPLAY" + std::to_string(i + 1);
            HostInventory.DisplayDescriptions[i] = "Adapter " + std::to_string(i + 1);
        }
        HostInventory.DisplayDeviceCount = devices;
        sheet.reset();
        page = std::make_unique<CVideo>();
        sheet = std::make_unique<SheetHarness>(std::initializer_list<CPropertyPage*>{page.get()});
        hwnd = page->m_hWnd;
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

    std::unique_ptr<CVideo> page;
    std::unique_ptr<SheetHarness> sheet;
    HWND hwnd = nullptr;
};
}  // namespace

TEST_F(VideoPageTest, DefaultsOnAnEmptyAndOnATwoDeviceList)
{
    const struct { int devices; const char* lastItem; const char* device0; } rows[] = {
        {0, "Primary_Device", " Primary_Device / No driver selected"}, {2, "DISPLAY2", " DISPLAY1 / No driver selected"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.devices);
        DeleteCompanyKey();
        Open(r.devices);
        CComboBox combo;
        combo.Attach(::GetDlgItem(hwnd, IDC_VIDEO_DEVICE));
        EXPECT_EQ(combo.GetLBText(0) + "," + combo.GetLBText(combo.GetCount() - 1), std::string("None,") + r.lastItem);
        EXPECT_EQ(Line(0) + "|" + Line(1) + "|" + Line(5), std::string(r.device0) + "|" + kNone + "|" + kNone);
        EXPECT_EQ(Selection(), 1);
        sheet->PressOK();
        for (int unit = 0; unit < VideoUnitCount; ++unit) {
            const std::string n = std::to_string(unit);
            EXPECT_EQ(ReadDwordSetting("Video_Device" + n), unit ? 0xFFFFFFFFu : 0u);
            EXPECT_EQ(ReadStringSetting("Video_Driver" + n), "");
            EXPECT_EQ(ReadDwordSetting("Video_Flags" + n), 0x2011Eu);
        }
    }
}

TEST_F(VideoPageTest, IndexesThatNameNoListedDeviceShowNothingAndAreKept)
{
    const struct { int device, selection; const char* line; const char* description; } units[] = {
        {1, 2, " DISPLAY2 / No driver selected", "Adapter 2"}, {2, -1, "  / No driver selected", ""},
        {16, -1, "  / No driver selected", ""}, {0x7FFFFFFF, -1, "  / No driver selected", ""},
        {-7, -1, kNone.c_str(), "<none>"}, {-1, 0, kNone.c_str(), "<none>"},
    };
    for (int unit = 0; unit < VideoUnitCount; ++unit)
        WriteDwordSetting("Video_Device" + std::to_string(unit), units[unit].device);
    Open(2);
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
    for (int unit = 0; unit < VideoUnitCount; ++unit)
        EXPECT_EQ(ReadDwordSetting("Video_Device" + std::to_string(unit)), static_cast<DWORD>(units[unit].device));
}

TEST_F(VideoPageTest, PropertiesDeviceAndDriverChangeTheCurrentUnit)
{
    const DWORD reserved = 0x7F00FE00;
    for (const char* unit : {"0", "1", "2"}) {
        WriteDwordSetting(std::string("Video_Device") + unit, 0);
        WriteDwordSetting(std::string("Video_Flags") + unit, 0x2011E | reserved);
    }
    Open(2);
    Properties([](HWND dialog) { Slide(dialog, 1); Send(dialog, IDCANCEL); });  // keeps the whole word
    EXPECT_FALSE(sheet->IsApplyEnabled());
    Send(hwnd, IDC_VIDEO_UNIT1 + 1);
    Properties([](HWND dialog) { Send(dialog, IDOK); });  // keeps the fields, clears the reserved bits
    Send(hwnd, IDC_VIDEO_UNIT1 + 2);
    Properties([](HWND dialog) {
        Slide(dialog, 1);
        ::CheckDlgButton(dialog, IDC_PROPS_QD, BST_UNCHECKED);
        ::SetDlgItemTextA(dialog, IDC_PROPS_RAM, "4");
        Send(dialog, IDOK);
    });
    ChooseComboItem(hwnd, IDC_VIDEO_DEVICE, 2);
    TestApp().AnswerFileDialog("C:\\drivers\\fast.kvd");
    Send(hwnd, IDC_VIDEO_DRIVER);
    EXPECT_EQ(TestApp().fileDialogs.at(0).title, "Select Video Driver");
    EXPECT_EQ(Line(2), " DISPLAY2 / C:\\drivers\\fast.kvd");
    sheet->PressOK();
    EXPECT_EQ(ReadDwordSetting("Video_Flags0"), 0x2011E | reserved);
    EXPECT_EQ(ReadDwordSetting("Video_Flags1"), 0x2011Eu);
    EXPECT_EQ(ReadDwordSetting("Video_Flags2"), 60u + 4 * 65536);
    EXPECT_EQ(ReadDwordSetting("Video_Device2"), 1u);
    EXPECT_EQ(ReadStringSetting("Video_Driver2"), "C:\\drivers\\fast.kvd");
}

TEST(VideoPropsDialog, FrameRateFollowsTheTrackBarOnlyWhenItMovesAndRamMustBeTwoToEight)
{
    const std::string range = "Please enter an integer between 2 and 8.", integer = "Please enter an integer.";
    const struct { int given, position; const char* label; std::vector<int> moves; const char* ram; std::string refusal; int returned; } rows[] = {
        {30, 2, "30", {}, "5", "", 30}, {25, 2, "25", {}, "0", range, 25}, {25, 2, "25", {3, 2}, "9", range, 30},
        {0, 6, "10", {}, "x", integer, 10}, {100, 1, "100", {}, "8", "", 100},
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
