#include "framework/dialog.h"
#include "framework/ddx.h"
#include "framework/procedure_guard.h"
#include "framework/winapp.h"
#include <cstring>
#include <string>

namespace {
// Resource type of a dialog's initial control data (combo-box lists).
constexpr WORD kDialogInitType = 240;

// The records name their messages by the 16-bit numbering of the format.
UINT Win32Message(WORD recorded)
{
    switch (recorded) {
    case 0x0401: return LB_ADDSTRING;
    case 0x0403: return CB_ADDSTRING;
    default: return recorded;
    }
}
}

HWND AfxGetSafeOwner(CWnd* parent)
{
    if (parent && parent->m_hWnd) return parent->m_hWnd;
    HWND active = ::GetActiveWindow();
    return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_pParentWnd(parent), m_nIDTemplate(templateId)
{
}

CDialog::~CDialog()
{
    if (m_bModeless && m_hWnd) DestroyWindow();
}

INT_PTR CDialog::DoModal()
{
    m_bModeless = false;
    HINSTANCE instance = AfxGetResourceHandle();
    HWND owner = AfxGetSafeOwner(m_pParentWnd);
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    if (m_bUnicode) return ::DialogBoxParamW(instance, MAKEINTRESOURCEW(m_nIDTemplate), owner, DialogProc, self);
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(m_nIDTemplate), owner, DialogProc, self);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = m_nIDHelp = templateId;
    m_pParentWnd = parent;
    m_bModeless = true;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId),
                                     parent ? parent->m_hWnd : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

BOOL CDialog::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CDialog::EndDialog(int result)
{
    if (m_bModeless)
        DestroyWindow();
    else
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;  // the refused value keeps the dialog open
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnCommand(UINT, UINT) { return FALSE; }

BOOL CDialog::OnNotify(NMHDR*, LRESULT*) { return FALSE; }

void CDialog::OnHScroll(UINT, UINT, HWND) {}

BOOL CDialog::OnHelpInfo(HELPINFO*)
{
    if (CWinApp* app = AfxGetApp()) app->OnCmdMsg(ID_HELP);
    return TRUE;  // answered here, so it does not travel on to the parent
}

BOOL CDialog::OnCommandHelp()
{
    if (m_nIDHelp == 0) return FALSE;
    WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXT);
    return TRUE;
}

INT_PTR CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        // The template's initial combo lists are in place before initialisation runs.
        ExecuteDlgInit();
        return OnInitDialog();
    case WM_COMMAND: {
        UINT id = LOWORD(wParam), code = HIWORD(wParam);
        if (OnCommand(id, code)) return TRUE;
        if (code == BN_CLICKED && id == IDOK) { OnOK(); return TRUE; }
        if (code == BN_CLICKED && id == IDCANCEL) { OnCancel(); return TRUE; }
        return FALSE;
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), &result)) return FALSE;
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_HELP:
        return OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
    case WM_COMMANDHELP:
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, OnCommandHelp());
        return TRUE;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM: {
        INT_PTR result = 0;
        return ReflectToChild(msg, wParam, lParam, &result) ? result : FALSE;
    }
    default:
        return FALSE;
    }
}

bool CDialog::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result)
{
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_MEASUREITEM: child = GetDlgItem(static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID)); break;
    case WM_COMPAREITEM: child = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_DELETEITEM: child = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem; break;
    }
    CWnd* control = CWnd::FromHandlePermanent(child);
    LRESULT answer = 0;
    if (!control || !control->OnChildNotify(msg, wParam, lParam, &answer)) return false;
    // WM_COMPAREITEM returns its answer directly; the others report "handled".
    *result = msg == WM_COMPAREITEM ? static_cast<INT_PTR>(answer) : TRUE;
    return true;
}

void CDialog::ExecuteDlgInit()
{
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(kDialogInitType));
    if (!found) return;
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(instance, found)));
    if (!data) return;
    const BYTE* end = data + ::SizeofResource(instance, found);

    // Records of: control id (WORD), message (WORD), length (DWORD), data; a zero
    // id ends the list. Records are packed, so fields are read unaligned.
    while (end - data >= 2) {
        WORD control = 0, message = 0;
        DWORD length = 0;
        std::memcpy(&control, data, 2);
        if (control == 0 || end - data < 8) break;
        std::memcpy(&message, data + 2, 2);
        std::memcpy(&length, data + 4, 4);
        data += 8;
        if (static_cast<DWORD>(end - data) < length) break;
        std::string text(reinterpret_cast<const char*>(data), length);
        ::SendDlgItemMessageA(m_hWnd, control, Win32Message(message), 0, reinterpret_cast<LPARAM>(text.c_str()));
        data += length;
    }
}

INT_PTR CDialog::Route(CDialog* dialog, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!dialog) return FALSE;
    return CallCatching<INT_PTR>(FALSE, [&] {
        if (msg == WM_INITDIALOG) {
            dialog->m_hWnd = hWnd;
            ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        }
        INT_PTR result = dialog->WindowProc(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
            dialog->m_hWnd = nullptr;
        }
        return result;
    });
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = msg == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam)
                                           : reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    return Route(dialog, hWnd, msg, wParam, lParam);
}
