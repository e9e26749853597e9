// Every page and dialog as the user meets it: each caption fits its control,
// measured with the font the control really has, at 96 DPI and, in a process
// of its own, at 144 DPI; no two of its controls take the same Alt+letter, and
// a text the program puts in shows an '&' as it is; and Help or F1 shows its
// help topic, which names the values the page writes and each control it has.
#include "framework/afxres.h"
#include "framework/helpdialog.h"
#include "framework/mnemonic.h"
#include "res/resource.h"
#include "settings/values.h"
#include "tests/pages/full_sheet.h"
#include <process.h>
#include <shlwapi.h>
#include <cctype>
#include <cstdlib>

namespace {
constexpr int kF1 = 0x3B;  // its scan code

// Pages in tab order, then dialogs, with the title of their help topic ("": no
// help of its own).
const struct { UINT id; std::string topic; } kWindows[] = {
    {IDD_GENERAL, "General"}, {IDD_STORAGE, "Storage"}, {IDD_RAM, "RAM"}, {IDD_VIDEO, "Video"},
    {IDD_INPUT, "Input"}, {IDD_PORTS, "Ports"}, {IDD_MISC, "Misc"}, {IDD_SCSI, "SCSI"}, {IDD_FLOPPY, "Floppy"},
    {IDD_ADVANCED, "Advanced"}, {IDD_HARDFILE_SIZE, "Hard File Size"}, {IDD_RENAME_FILE, "Rename File"},
    {IDD_VIDEO_PROPS, "Video Device Properties"}, {IDD_WRITE_PROGRESS, ""}, {AFX_IDD_HELP, ""}, {IDD_PRESS_KEY, ""},
};

// A static control that shows text, not an icon or a frame.
bool IsStaticText(HWND control)
{
    char kind[16] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    return ::lstrcmpiA(kind, "Static") == 0 && (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
}

// Pixels the caption of `control` takes, with the control's own font and what
// it draws beside the text; none for edits, lists and icons. `name` receives how
// a topic names a button or a label: without mnemonic and closing colon.
std::optional<SIZE> Measure(HWND control, std::string& name)
{
    char kind[16] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE), button = style & BS_TYPEMASK;
    // A static text wraps at word breaks; a label is one without an id.
    const bool isText = IsStaticText(control);
    const bool isButton = ::lstrcmpiA(kind, "Button") == 0;
    const std::string caption = CWnd(control).GetWindowText();
    if (isButton || (isText && LOWORD(::GetDlgCtrlID(control)) == 0xFFFF))
        for (char letter : caption)
            if (letter != '&') name += letter;
    if (!name.empty() && name.back() == ':') name.pop_back();
    if (name.size() > 40) name.clear();  // an explanation, not a name
    if (caption.empty() || !(isText || (isButton && button <= BS_AUTORADIOBUTTON))) return std::nullopt;
    HDC dc = ::GetDC(control);
    ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA font = {};
    ::GetTextMetricsA(dc, &font);
    // Beside the text: a push button's focus rectangle, a group box's corner and
    // the gaps at its text, a check box or radio button's box and gap.
    const int box = ::MulDiv(13, ::GetDeviceCaps(dc, LOGPIXELSX), 96) + font.tmAveCharWidth / 2;
    const int chrome = isText ? 0 : button <= BS_DEFPUSHBUTTON ? 2 * (::GetSystemMetrics(SM_CXEDGE) + 1)
                       : button == BS_GROUPBOX ? 2 * font.tmAveCharWidth : box;
    RECT text = {};
    ::GetClientRect(control, &text);
    text.right -= chrome;
    ::DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | (isText ? DT_WORDBREAK : DT_SINGLELINE));
    ::ReleaseDC(control, dc);
    return SIZE{text.right + chrome, text.bottom};
}

// The caption of the help window that `action` opens, which is then closed.
std::string HelpCaption(const std::function<void()>& action)
{
    std::string caption;
    OnNextModalDialog([&caption](HWND help) { caption = CWnd(help).GetWindowText(), ClickButton(help, IDOK); });
    action();
    ForgetModalAction();
    return caption;
}
}  // namespace

TEST(EveryWindow, CaptionsFitAndHelpShowsItsTopic)
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, std::getenv("KORVEX_TEST_DPI") ? 144 : 96);
    ScriptedHost host;
    host.memory = {1ull << 30, 1ull << 30, 0};
    FullSheet full(host);
    for (int index = 0; index < static_cast<int>(std::size(kWindows)); ++index) {
        const auto& row = kWindows[index];
        SCOPED_TRACE(row.id);
        std::optional<HelpTopic> topic = LoadHelpTopic(row.id);
        ASSERT_EQ(topic ? topic->title : "", row.topic);
        for (const SettingValue* value : setting::kAll)
            for (int unit : {0, value->units - 1})  // a family's first and last unit
                EXPECT_TRUE(value->page != row.topic || topic->text.find(value->Name(unit)) != std::string::npos)
                    << value->Name(unit);
        // A page as the sheet shows it; a dialog without the logic behind it.
        CDialog dialog(row.id);
        if (index < kPageCount) {
            full.sheet->ShowPage(index);
        } else {
            dialog.Create(row.id);
            ::ShowWindow(dialog.m_hWnd, SW_SHOW);
            PumpMessages();
        }
        const std::vector<HWND> controls = ChildWindows(index < kPageCount ? full.Page(index) : dialog.m_hWnd);
        // A page's letters may be the sheet's too: the page's own control wins.
        std::string letters;
        for (HWND control : controls) {
            if (const char letter = static_cast<char>(std::toupper(MnemonicOf(CWnd(control).GetWindowText().c_str())))) {
                EXPECT_EQ(letters.find(letter), std::string::npos) << "a second control takes Alt+" << letter;
                letters += letter;
            }
            // A text the program puts in (a path, a device's name) shows an '&' as it is, not as a mnemonic.
            EXPECT_TRUE(!IsStaticText(control) || LOWORD(::GetDlgCtrlID(control)) == 0xFFFF ||
                        (::GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX))
                << "static " << ::GetDlgCtrlID(control);
            RECT room = {};
            ::GetClientRect(control, &room);
            std::string name;
            const std::optional<SIZE> needed = Measure(control, name);
            EXPECT_TRUE(!needed || (needed->cx <= room.right && needed->cy <= room.bottom))
                << "at " << dpi << " DPI, \"" << CWnd(control).GetWindowText() << "\" needs " << needed->cx << "x"
                << needed->cy << " pixels of " << room.right << "x" << room.bottom;
            EXPECT_TRUE(!topic || topic->text.find(name) != std::string::npos) << name;
        }
        if (!topic) continue;
        const std::string caption = topic->title + " Help";
        EXPECT_EQ(HelpCaption([&] { PressKey(controls.at(0), kF1); }), caption);
        if (index >= kPageCount) continue;
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(full.sheet->hwnd(), PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(HelpCaption([&] { PressKey(tabs, kF1); }), caption);
        EXPECT_EQ(HelpCaption([&] { full.sheet->PressHelp(); }), caption);
    }
}

TEST(EveryWindow, AndAt144Dpi)
{
    if (std::getenv("KORVEX_TEST_DPI")) return;  // this is that run
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
