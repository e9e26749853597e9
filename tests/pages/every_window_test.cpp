// Every page and dialog as the user meets it: each caption fits its control,
// measured with the font the control really has, at 96 DPI and, in a process
// of its own, at 144 DPI; and Help or F1 shows its help topic, which names the
// values the page writes and each control it has.
#include "framework/afxres.h"
#include "framework/helpdialog.h"
#include "res/resource.h"
#include "settings/values.h"
#include "tests/support/gui.h"
#include <gtest/gtest.h>
#include <process.h>
#include <shlwapi.h>
#include <cstdlib>

namespace {
const char kDpiVariable[] = "KORVEX_TEST_DPI";

// Pages in tab order, then dialogs, with the title of their help topic. The
// Input page's template is not in the program yet: its row checks the topic
// only until it is. The Press a Key dialog joins with a row when it lands.
const struct {
    UINT id;
    const char* topic;  // none: the window has no help of its own
} kWindows[] = {
    {IDD_GENERAL, "General"}, {IDD_STORAGE, "Storage"}, {IDD_RAM, "RAM"}, {IDD_VIDEO, "Video"},
    {IDD_INPUT, "Input"}, {IDD_PORTS, "Ports"}, {IDD_MISC, "Misc"}, {IDD_SCSI, "SCSI"}, {IDD_FLOPPY, "Floppy"},
    {IDD_ADVANCED, "Advanced"}, {IDD_HARDFILE_SIZE, "Hard File Size"}, {IDD_RENAME_FILE, "Rename File"},
    {IDD_VIDEO_PROPS, "Video Device Properties"}, {IDD_WRITE_PROGRESS, nullptr}, {AFX_IDD_HELP, nullptr},
};

bool IsClass(HWND control, const char* name)
{
    char found[16] = {};
    ::GetClassNameA(control, found, sizeof found);
    return ::lstrcmpiA(found, name) == 0;
}

// A static text (not an icon or a frame): it wraps at word breaks.
bool IsText(HWND control)
{
    return IsClass(control, "Static") && (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
}

// Pixels beside the text that a control draws, or -1 for a control that shows
// no caption (edits, lists, icons).
int CaptionChrome(HWND control, HDC dc, const TEXTMETRICA& font)
{
    const LONG button = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (IsText(control)) return 0;
    if (!IsClass(control, "Button") || button > BS_AUTORADIOBUTTON) return -1;
    if (button <= BS_DEFPUSHBUTTON) return 2 * (::GetSystemMetrics(SM_CXEDGE) + 1);  // inside the focus rectangle
    if (button == BS_GROUPBOX) return 2 * font.tmAveCharWidth;  // the frame's corner and the gaps at the text
    return ::MulDiv(13, ::GetDeviceCaps(dc, LOGPIXELSX), 96) + font.tmAveCharWidth / 2;  // the box and its gap
}

// Pixels the caption of `control` takes in it, with the control's own font.
std::optional<SIZE> CaptionSize(HWND control)
{
    const std::string caption = CWnd(control).GetWindowText();
    HDC dc = ::GetDC(control);
    ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA font = {};
    ::GetTextMetricsA(dc, &font);
    const int chrome = CaptionChrome(control, dc, font);
    RECT text = {};
    ::GetClientRect(control, &text);
    text.right -= chrome;
    ::DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | (IsText(control) ? DT_WORDBREAK : DT_SINGLELINE));
    ::ReleaseDC(control, dc);
    if (chrome < 0 || caption.empty()) return std::nullopt;
    return SIZE{text.right + chrome, text.bottom};
}

// How a topic names a button or a label (a static text without an id): its
// caption without the mnemonic and the closing colon; explanations are longer.
std::string ControlName(HWND control)
{
    std::string name;
    if (!IsClass(control, "Button") && !(IsText(control) && LOWORD(::GetDlgCtrlID(control)) == 0xFFFF)) return name;
    for (char c : CWnd(control).GetWindowText())
        if (c != '&') name += c;
    if (!name.empty() && name.back() == ':') name.pop_back();
    return name.size() <= 40 ? name : std::string();
}

// The caption of the help window that `action` opens, which is then closed.
std::string HelpCaption(const std::function<void()>& action)
{
    std::string caption;
    OnNextModalDialog([&caption](HWND help) {
        caption = CWnd(help).GetWindowText();
        ClickButton(help, IDOK);
    });
    action();
    ForgetModalAction();
    return caption;
}

int ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}
}  // namespace

TEST(EveryWindow, CaptionsFitAndHelpShowsItsTopic)
{
    const char* asked = std::getenv(kDpiVariable);
    ASSERT_EQ(ScreenDpi(), asked ? std::atoi(asked) : 96);
    for (const auto& row : kWindows) {
        SCOPED_TRACE(row.id);
        std::optional<HelpTopic> topic = LoadHelpTopic(row.id);
        ASSERT_EQ(topic.has_value(), row.topic != nullptr);
        for (const SettingValue* value : setting::kAll) {
            if (!topic || value->page != topic->title) continue;
            for (int unit : {0, value->units - 1})  // a family's first and last unit
                EXPECT_NE(topic->text.find(value->Name(unit)), std::string::npos) << value->Name(unit);
        }
        OpenTemplate opened(row.id);
        if (!opened.window()) continue;  // a page still to come
        const std::vector<HWND> controls = ChildWindows(opened.window());
        for (HWND control : controls) {
            RECT room = {};
            ::GetClientRect(control, &room);
            std::optional<SIZE> needed = CaptionSize(control);
            EXPECT_TRUE(!needed || (needed->cx <= room.right && needed->cy <= room.bottom))
                << "at " << ScreenDpi() << " DPI, \"" << CWnd(control).GetWindowText() << "\" needs " << needed->cx
                << "x" << needed->cy << " pixels of " << room.right << "x" << room.bottom;
            const std::string name = ControlName(control);
            EXPECT_TRUE(!topic || topic->text.find(name) != std::string::npos) << name;
        }
        if (!topic) continue;
        const std::string caption = topic->title + " Help";
        EXPECT_EQ(HelpCaption([&] { PressKey(controls.at(0), VK_F1); }), caption);
        if (SheetHarness* sheet = opened.sheet()) {
            HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet->hwnd(), PSM_GETTABCONTROL, 0, 0));
            EXPECT_EQ(HelpCaption([&] { PressKey(tabs, VK_F1); }), caption);
            EXPECT_EQ(HelpCaption([&] { sheet->PressHelp(); }), caption);
        }
    }
}

TEST(EveryWindow, AndAt144Dpi)
{
    if (std::getenv(kDpiVariable)) return;  // this is that run
    // Wine reads the prefix's resolution when a process starts: the case above
    // runs again in a process started while it says 144.
    const DWORD dpi144 = 144, dpi96 = 96;
    ::SHSetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi144, sizeof dpi144);
    ::_putenv("KORVEX_TEST_DPI=144");
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(::_spawnl(_P_WAIT, self, self, "--gtest_filter=EveryWindow.CaptionsFitAndHelpShowsItsTopic", nullptr), 0);
    ::_putenv("KORVEX_TEST_DPI=");
    ::SHSetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi96, sizeof dpi96);
}
