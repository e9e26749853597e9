// Every text readable: each static text and button caption of every page and
// dialog fits its control, measured with the font the control really has, at
// the display's DPI. The same case runs again in a process of its own at
// 144 DPI, which Wine takes from the prefix's LogPixels when a process starts.
#include "framework/afxres.h"
#include "framework/handles.h"
#include "res/resource.h"
#include "tests/support/gui.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {
// Pages, then dialogs. Input (IDD_INPUT) and Press a Key (IDD_PRESS_KEY) join
// with a row when their templates are in the program.
const UINT kTemplates[] = {
    IDD_GENERAL, IDD_STORAGE, IDD_RAM, IDD_VIDEO, IDD_PORTS, IDD_MISC, IDD_SCSI, IDD_FLOPPY, IDD_ADVANCED,
    IDD_HARDFILE_SIZE, IDD_RENAME_FILE, IDD_VIDEO_PROPS, IDD_WRITE_PROGRESS, AFX_IDD_HELP,
};

struct TextFit {
    std::string text;
    SIZE needed;  // pixels the text and the control's own drawing take
    SIZE room;    // the control's client area
};

std::string ClassOf(HWND control)
{
    char name[32] = {};
    ::GetClassNameA(control, name, sizeof name);
    return name;
}

// DrawText's flags for the way the control draws its text, and the pixels
// beside the text that the control's own drawing takes; false for controls
// that show no caption (edits, lists, icons, frames, owner-drawn buttons).
bool TextLayout(HWND control, HDC dc, UINT* flags, int* chrome)
{
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    const std::string name = ClassOf(control);
    if (name == "Static") {
        const LONG type = style & SS_TYPEMASK;
        if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) return false;
        *flags = (type <= SS_RIGHT ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE) | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        *chrome = 0;
        return true;
    }
    if (name != "Button") return false;
    *flags = style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // Inside the focus rectangle, which stands one pixel inside the 3-D edge.
        *chrome = 2 * (::GetSystemMetrics(SM_CXEDGE) + 1);
        return true;
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: {
        // The box (13 pixels at 96 DPI) and the gap of half a digit's width.
        INT digit = 0;
        ::GetCharWidth32A(dc, '0', '0', &digit);
        *chrome = ::MulDiv(12, dpi, 96) + 1 + digit / 2;
        return true;
    }
    case BS_GROUPBOX:
        *chrome = 2 * metrics.tmAveCharWidth;  // the frame's corner and the gaps around the text
        return true;
    default:
        return false;
    }
}

std::optional<TextFit> MeasureText(HWND control)
{
    CWnd wrapper(control);
    TextFit fit{wrapper.GetWindowText(), {}, {}};
    if (fit.text.empty()) return std::nullopt;
    HDC dc = ::GetDC(control);
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    UINT flags = 0;
    int chrome = 0;
    bool shown = TextLayout(control, dc, &flags, &chrome);
    RECT client = {};
    ::GetClientRect(control, &client);
    RECT text = {0, 0, client.right - chrome, 0};
    if (shown) ::DrawTextA(dc, fit.text.c_str(), -1, &text, flags | DT_CALCRECT);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(control, dc);
    if (!shown) return std::nullopt;
    fit.needed = {text.right + chrome, text.bottom};
    fit.room = {client.right, client.bottom};
    return fit;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
    return TRUE;
}

const char kDpiVariable[] = "KORVEX_TEST_DPI";

// The prefix's display resolution, set for the processes started while this
// object lives (Wine reads it when a process starts), then put back.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi)
    {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          m_key.put(), nullptr);
        DWORD size = sizeof m_old;
        m_hadValue = ::RegQueryValueExA(m_key.get(), kName, nullptr, nullptr, reinterpret_cast<BYTE*>(&m_old), &size) ==
                     ERROR_SUCCESS;
        ::RegSetValueExA(m_key.get(), kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~LogPixels()
    {
        if (m_hadValue)
            ::RegSetValueExA(m_key.get(), kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_old), sizeof m_old);
        else
            ::RegDeleteValueA(m_key.get(), kName);
    }

private:
    static constexpr char kName[] = "LogPixels";
    unique_hkey m_key;
    DWORD m_old = 0;
    bool m_hadValue = false;
};

// This test program again, with `arguments`; its exit code once it has ended.
DWORD RunThisProgram(const std::string& arguments)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine = "\"" + std::string(path) + "\" " + arguments;
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return ~0u;
    unique_hfile thread(process.hThread), child(process.hProcess);
    ::WaitForSingleObject(child.get(), INFINITE);
    DWORD code = ~0u;
    ::GetExitCodeProcess(child.get(), &code);
    return code;
}

int ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}
}  // namespace

TEST(TextFit, EveryCaptionFitsItsControlAtTheDisplaysDpi)
{
    // 96 unless the case below runs this one at 144 in a process of its own.
    const char* asked = std::getenv(kDpiVariable);
    ASSERT_EQ(ScreenDpi(), asked ? std::atoi(asked) : 96);
    for (UINT id : kTemplates) {
        OpenTemplate opened(id);
        ASSERT_NE(opened.window(), nullptr) << id;
        std::vector<HWND> controls;
        ::EnumChildWindows(opened.window(), CollectControl, reinterpret_cast<LPARAM>(&controls));
        for (HWND control : controls) {
            std::optional<TextFit> fit = MeasureText(control);
            if (!fit) continue;
            EXPECT_TRUE(fit->needed.cx <= fit->room.cx && fit->needed.cy <= fit->room.cy)
                << "at " << ScreenDpi() << " DPI, dialog " << id << ", control " << ::GetDlgCtrlID(control) << " \""
                << fit->text << "\" needs " << fit->needed.cx << "x" << fit->needed.cy << " pixels, has "
                << fit->room.cx << "x" << fit->room.cy;
        }
    }
}

TEST(TextFit, EveryCaptionFitsItsControlAt144Dpi)
{
    if (std::getenv(kDpiVariable)) return;  // the run at 144 itself
    LogPixels dpi(144);
    ::SetEnvironmentVariableA(kDpiVariable, "144");
    EXPECT_EQ(RunThisProgram("--gtest_filter=TextFit.EveryCaptionFitsItsControlAtTheDisplaysDpi"), 0u)
        << "the run at 144 DPI failed: its output is above";
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
}
