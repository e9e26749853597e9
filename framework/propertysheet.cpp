#include "framework/propertysheet.h"
#include "framework/handles.h"
#include "framework/mnemonic.h"
#include "framework/procedure_guard.h"
#include "framework/strings.h"
#include "framework/winapp.h"

namespace {
const char kSheetProcProperty[] = "KorvexSheetProc";
const char kWaitingDialogProperty[] = "KorvexWaitingDialog";

// OK, Cancel, the close box and Alt+F4, as they reach the sheet's window.
bool IsCloseRequest(UINT msg, WPARAM wParam)
{
    switch (msg) {
    case WM_COMMAND: return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
    case WM_SYSCOMMAND: return (wParam & 0xFFF0) == SC_CLOSE;
    case WM_CLOSE: return true;
    case PSM_PRESSBUTTON: return wParam == PSBTN_OK || wParam == PSBTN_CANCEL;
    default: return false;
    }
}

// The sheet's window is comctl32's; help requests reaching it are answered
// here. F1 on its tabs and buttons asks the application for help, and when the
// application asks the sheet for its topic, the current page names it.
LRESULT SheetMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSheetProcProperty));
    HWND waiting = static_cast<HWND>(::GetPropA(hWnd, kWaitingDialogProperty));
    if (waiting && IsCloseRequest(msg, wParam)) {
        // The wait ends first; the request comes back once the sheet's loop runs.
        ::SendMessageA(waiting, WM_CLOSE, 0, 0);
        ::PostMessageA(hWnd, msg, wParam, lParam);
        return 0;
    }
    switch (msg) {
    case WM_HELP:
        if (CWinApp* app = AfxGetApp()) app->OnCmdMsg(ID_HELP);
        return TRUE;
    case WM_COMMANDHELP: {
        HWND page = reinterpret_cast<HWND>(::SendMessageA(hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
        return page ? ::SendMessageA(page, WM_COMMANDHELP, wParam, lParam) : FALSE;
    }
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::RemovePropA(hWnd, kSheetProcProperty);
        break;
    }
    return ::CallWindowProcA(original, hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK SheetWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallCatching<LRESULT>(0, [&] { return SheetMessage(hWnd, msg, wParam, lParam); });
}

// Alt+letter goes to the first control with that mnemonic in window order from
// the focus on, and that order wraps through the sheet's own buttons: with the
// focus past a page's "&Add", Alt+A pressed the sheet's "&Apply". The modal loop
// gives each message to the dialog manager, which first offers it to the
// thread's message filter; there the current page takes its own mnemonics, and
// a letter it lacks goes on to the dialog manager. Our sheets are known by the
// property their window procedure is kept in, so the hook needs no context.
LRESULT CALLBACK PageMnemonicFilter(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    const bool taken = code == MSGF_DIALOGBOX && msg->message == WM_SYSCHAR && CallCatching(false, [msg] {
        HWND sheet = ::GetAncestor(msg->hwnd, GA_ROOT);
        HWND page = sheet && ::GetPropA(sheet, kSheetProcProperty)
            ? reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
        return page && PressMnemonic(page, sheet, msg->wParam);
    });
    return taken ? TRUE : ::CallNextHookEx(nullptr, code, wParam, lParam);  // the handle is ignored since Windows NT
}

int CALLBACK SheetCallback(HWND hWnd, UINT msg, LPARAM)
{
    if (msg == PSCB_INITIALIZED) {
        LONG_PTR original = ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetWindowProc));
        ::SetPropA(hWnd, kSheetProcProperty, reinterpret_cast<HANDLE>(original));
    }
    return 0;
}
}  // namespace

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : m_psh(), m_caption(LoadStringResource(captionId)), m_pParentWnd(parent)
{
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_USECALLBACK;
    m_psh.pfnCallback = SheetCallback;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

void CPropertySheet::PrepareHeader(bool modeless)
{
    m_descriptors.clear();
    for (CPropertyPage* page : m_pages) m_descriptors.push_back(page->Descriptor());
    m_psh.hwndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_psh.pszCaption = m_caption.c_str();
    m_psh.nPages = static_cast<UINT>(m_descriptors.size());
    m_psh.ppsp = m_descriptors.data();
    if (modeless)
        m_psh.dwFlags |= PSH_MODELESS;
    else
        m_psh.dwFlags &= ~PSH_MODELESS;
}

INT_PTR CPropertySheet::DoModal()
{
    PrepareHeader(false);
    unique_hhook pageMnemonics(::SetWindowsHookExA(WH_MSGFILTER, PageMnemonicFilter, nullptr, ::GetCurrentThreadId()));
    INT_PTR result = ::PropertySheetA(&m_psh);
    m_hWnd = nullptr;
    return result > 0 ? IDOK : IDCANCEL;
}

HWND CPropertySheet::Create(CWnd* parent)
{
    if (parent) m_pParentWnd = parent;
    PrepareHeader(true);
    m_hWnd = reinterpret_cast<HWND>(::PropertySheetA(&m_psh));
    return m_hWnd;
}

CSheetWaitGuard::CSheetWaitGuard(HWND dialog)
    : m_dialog(dialog), m_sheet(::GetAncestor(::GetWindow(dialog, GW_OWNER), GA_ROOT))
{
    if (m_sheet && !::GetPropA(m_sheet, kWaitingDialogProperty)) ::SetPropA(m_sheet, kWaitingDialogProperty, dialog);
}

CSheetWaitGuard::~CSheetWaitGuard()
{
    if (m_sheet && ::GetPropA(m_sheet, kWaitingDialogProperty) == m_dialog)
        ::RemovePropA(m_sheet, kWaitingDialogProperty);
}
