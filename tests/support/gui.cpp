#include "tests/support/gui.h"
#include "framework/wnd.h"
#include "res/resource.h"
#include "tests/support/temp_folder.h"
#include <commctrl.h>
#include <algorithm>
#include <utility>

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

SheetHarness::SheetHarness(const std::vector<CPropertyPage*>& pages, UINT startPage)
    : m_sheet(IDS_SHEET_CAPTION, nullptr, startPage)
{
    for (CPropertyPage* page : pages) m_sheet.AddPage(page);
    m_sheet.Create();
    ::ShowWindow(m_sheet.m_hWnd, SW_SHOW);
    PumpMessages();
}

SheetHarness::~SheetHarness()
{
    if (::IsWindow(m_sheet.m_hWnd)) ::DestroyWindow(m_sheet.m_hWnd);
    PumpMessages();
}

void SheetHarness::Send(UINT message, WPARAM argument)
{
    ::SendMessageA(hwnd(), message, argument, 0);
    PumpMessages();
}

int SheetHarness::CurrentPage() const
{
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(hwnd(), PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

bool IsApplyEnabled(HWND sheet)
{
    constexpr int kApplyButton = 0x3021;
    return ::IsWindowEnabled(::GetDlgItem(sheet, kApplyButton)) != FALSE;
}

namespace {
void Notify(HWND dialog, int id, UINT code)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    PumpMessages();
}

bool IsOfClass(HWND dialog, int id, const char* kind)
{
    char className[16] = {};
    ::GetClassNameA(::GetDlgItem(dialog, id), className, sizeof className);
    return ::lstrcmpiA(className, kind) == 0;
}
bool IsComboBox(HWND dialog, int id) { return IsOfClass(dialog, id, "ComboBox"); }
}  // namespace

void ChooseItem(HWND dialog, int id, int index)
{
    const bool combo = IsComboBox(dialog, id);
    ::SendDlgItemMessageA(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
    Notify(dialog, id, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

void OpenAndCloseCombo(HWND dialog, int comboId)
{
    for (BOOL open : {TRUE, FALSE}) {
        ::SendDlgItemMessageA(dialog, comboId, CB_SHOWDROPDOWN, open, 0);
        PumpMessages();
    }
}

void ClickButton(HWND dialog, int buttonId) { Notify(dialog, buttonId, BN_CLICKED); }

void ClickRadio(HWND dialog, int buttonId)
{
    ::SendDlgItemMessageA(dialog, buttonId, BM_CLICK, 0, 0);
    PumpMessages();
}

// DirectInput sees only the scan code. Windows derives the virtual key from it,
// Wine takes the one given: without it the key's window messages carry no key.
void PressKeys(HWND window, const std::vector<int>& scanCodes)
{
    if (window) {
        ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
        ::SetFocus(window);
    }
    std::vector<INPUT> strokes(2 * scanCodes.size(), INPUT{INPUT_KEYBOARD});
    for (size_t i = 0; i < scanCodes.size(); ++i) {
        const int scanCode = scanCodes[i];
        const UINT extended = scanCode & 0x80 ? 0xE000 : 0;
        const WORD vk = static_cast<WORD>(::MapVirtualKeyA(extended | (scanCode & 0x7F), MAPVK_VSC_TO_VK_EX));
        const DWORD flags = KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        strokes[i].ki = {vk, static_cast<WORD>(scanCode & 0x7F), flags};
        strokes[strokes.size() - 1 - i].ki = {vk, static_cast<WORD>(scanCode & 0x7F), flags | KEYEVENTF_KEYUP};
    }
    ::SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof strokes[0]);
    if (window) PumpMessages();
}

bool ClickWithXServer(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    // Wine starts a Unix program in the given folder but gives no handle to
    // wait on: the program leaves a file when the X server has the click.
    TempFolder folder;
    std::string command = "/bin/sh -c \"xdotool mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
                          std::to_string((rect.top + rect.bottom) / 2) + " click 1 && touch clicked\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.path().c_str(), &startup,
                          &started))
        return false;
    for (int waited = 0; waited < 10000; waited += 10, ::Sleep(10))
        if (FileExists(folder.File("clicked"))) return true;
    return false;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ControlText(HWND dialog, int id)
{
    if (!IsOfClass(dialog, id, "ListBox")) return CWnd(::GetDlgItem(dialog, id)).GetWindowText();
    const int selected = static_cast<int>(::SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
    return selected < 0 ? "" : ItemTexts(dialog, id).at(selected);
}

Texts ItemTexts(HWND dialog, int id)
{
    const bool combo = IsComboBox(dialog, id);
    Texts items(std::max<LRESULT>(0, ::SendDlgItemMessageA(dialog, id, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0)));
    for (size_t i = 0; i < items.size(); ++i) {
        char text[512] = {};  // longer than any item the tests list
        ::SendDlgItemMessageA(dialog, id, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items[i] = text;
    }
    return items;
}

namespace {
std::function<void(HWND)> g_modalAction;  // a test runs one modal dialog at a time
UINT_PTR g_modalTimer = 0;
std::vector<HWND> g_windowsBefore;  // up when the action was set: none of them is the dialog awaited

BOOL CALLBACK RememberWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), RememberWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// A dialog shown since the action was set, and enabled: not one that has a modal of its own.
bool IsAwaitedDialog(HWND window)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
           std::find(g_windowsBefore.begin(), g_windowsBefore.end(), window) == g_windowsBefore.end();
}

void CALLBACK RunPendingModalAction(HWND, UINT, UINT_PTR, DWORD)
{
    const std::vector<HWND> windows = ThreadWindows();
    const auto dialog = std::find_if(windows.begin(), windows.end(), IsAwaitedDialog);
    if (dialog == windows.end()) return;  // not up yet: try again at the next tick
    std::function<void(HWND)> action = std::exchange(g_modalAction, nullptr);
    ForgetModalAction();
    if (action) action(*dialog);
}
}  // namespace

void OnNextModalDialog(std::function<void(HWND dialog)> action)
{
    g_modalAction = std::move(action);
    g_windowsBefore = ThreadWindows();
    g_modalTimer = ::SetTimer(nullptr, 0, 10, RunPendingModalAction);
}

void ForgetModalAction()
{
    if (g_modalTimer) ::KillTimer(nullptr, std::exchange(g_modalTimer, 0));
    g_modalAction = nullptr;
}
