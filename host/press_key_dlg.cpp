#include "host/press_key_dlg.h"
#include "res/resource.h"

CPressKeyDlg::CPressKeyDlg() : CDialog(IDD_PRESS_KEY) {}

void CPressKeyDlg::PostEndSignal() const
{
    // For a pop-up the system reports its owner, the property sheet.
    ::PostMessageA(GetParent(), kCaptureEndSignal, 0, 0);
}

void CPressKeyDlg::OnCancel()
{
    PostEndSignal();
}

void CPressKeyDlg::OnClose()
{
    PostEndSignal();
}

void CPressKeyDlg::OnShowWindow(BOOL show)
{
    if (!show) PostEndSignal();
}

INT_PTR CPressKeyDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:
        OnClose();
        return TRUE;  // the default would close the dialog; the capture does that
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam));
        return FALSE;  // and the default handling
    case WM_HELP:
        return TRUE;  // there is no help for this dialog
    default:
        return CDialog::WindowProc(msg, wParam, lParam);
    }
}
