#include "framework/propertypage.h"
#include "framework/strings.h"
#include "framework/winapp.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_psp()
{
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_HASHELP;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (captionId != 0) {
        // Otherwise the tab shows the caption of the page's dialog template.
        m_caption = LoadStringResource(captionId);
        m_psp.pszTitle = m_caption.c_str();
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

BOOL CPropertyPage::OnSetActive()
{
    // Coming back to a page shows the members again; the first time,
    // initialisation has just done so.
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    return TRUE;
}

void CPropertyPage::OnReset() {}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::SetModified(BOOL changed)
{
    if (!m_hWnd) return;
    ::SendMessageA(GetParent(), changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CPropertyPage::OnSheetNotify(const NMHDR* header, LRESULT* result)
{
    // The one place where the framework's "TRUE = go ahead" meets the sheet's
    // return conventions (TRUE = prevent for kill-active, PSNRET_* for apply).
    switch (header->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        *result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    case PSN_RESET:
        OnReset();
        *result = 0;
        return true;
    case PSN_QUERYCANCEL:
        *result = OnQueryCancel() ? FALSE : TRUE;
        return true;
    case PSN_HELP:
        if (CWinApp* app = AfxGetApp()) app->OnCmdMsg(ID_HELP);
        *result = 0;
        return true;
    default:
        return false;
    }
}

INT_PTR CPropertyPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        LRESULT result = 0;
        if (header->hwndFrom == GetParent() && OnSheetNotify(header, &result)) {
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // A page's WM_INITDIALOG carries the sheet's copy of its page descriptor,
    // whose lParam is the page object.
    CPropertyPage* page = msg == WM_INITDIALOG
        ? reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam)
        : reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    return Route(page, hWnd, msg, wParam, lParam);
}
