#include "tests/support/gui.h"
#include "framework/wnd.h"
#include "res/resource.h"
#include <commctrl.h>
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

void SheetHarness::ShowPage(int index)
{
    ::SendMessageA(hwnd(), PSM_SETCURSEL, index, 0);
    PumpMessages();
}

int SheetHarness::CurrentPage() const
{
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(hwnd(), PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

void SheetHarness::Press(int button)
{
    ::SendMessageA(hwnd(), PSM_PRESSBUTTON, button, 0);
    PumpMessages();
}

void SheetHarness::PressOK() { Press(PSBTN_OK); }
void SheetHarness::PressApply() { Press(PSBTN_APPLYNOW); }
void SheetHarness::PressCancel() { Press(PSBTN_CANCEL); }

bool SheetHarness::IsApplyEnabled() const
{
    constexpr int kApplyButton = 0x3021;
    return ::IsWindowEnabled(::GetDlgItem(hwnd(), kApplyButton)) != FALSE;
}

bool SheetHarness::IsClosed() const
{
    return ::SendMessageA(hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

void ChooseComboItem(HWND dialog, int comboId, int index)
{
    HWND combo = ::GetDlgItem(dialog, comboId);
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    PumpMessages();
}

void OpenAndCloseCombo(HWND dialog, int comboId)
{
    HWND combo = ::GetDlgItem(dialog, comboId);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages();
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    PumpMessages();
}

void ClickButton(HWND dialog, int buttonId)
{
    HWND button = ::GetDlgItem(dialog, buttonId);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    PumpMessages();
}

std::string ControlText(HWND dialog, int id)
{
    CWnd control(::GetDlgItem(dialog, id));
    return control.GetWindowText();
}

Texts ItemTexts(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    bool combo = ::lstrcmpiA(className, "ComboBox") == 0;
    Texts items;
    for (LRESULT i = 0; i < ::SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0); ++i) {
        char text[512] = {};  // longer than any item the tests list
        ::SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

int ListSelection(HWND dialog, int listId)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, listId, LB_GETCURSEL, 0, 0));
}

void ChooseListItem(HWND dialog, int listId, int index)
{
    HWND list = ::GetDlgItem(dialog, listId);
    ::SendMessageA(list, LB_SETCURSEL, index, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    PumpMessages();
}

void ClickRadio(HWND dialog, int buttonId)
{
    ::SendDlgItemMessageA(dialog, buttonId, BM_CLICK, 0, 0);
    PumpMessages();
}

namespace {
// The action for the next modal dialog; a test runs one modal at a time.
std::function<void(HWND)>& PendingModalAction()
{
    static std::function<void(HWND)> action;
    return action;
}

UINT_PTR g_modalTimer = 0;

BOOL CALLBACK RememberEnabledDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    // A sheet under a modal dialog is disabled, so the enabled one is the modal.
    if (std::string(className) == "#32770" && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindModalDialog()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), RememberEnabledDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK RunPendingModalAction(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindModalDialog();
    if (!dialog) return;  // not up yet: try again at the next tick
    ::KillTimer(nullptr, timer);
    g_modalTimer = 0;
    std::function<void(HWND)> action = std::move(PendingModalAction());
    PendingModalAction() = nullptr;
    if (action) action(dialog);
}
}  // namespace

void OnNextModalDialog(std::function<void(HWND dialog)> action)
{
    PendingModalAction() = std::move(action);
    g_modalTimer = ::SetTimer(nullptr, 0, 10, RunPendingModalAction);
}

void ForgetModalAction()
{
    if (g_modalTimer) ::KillTimer(nullptr, std::exchange(g_modalTimer, 0));
    PendingModalAction() = nullptr;
}
