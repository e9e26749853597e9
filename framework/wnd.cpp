#include "framework/wnd.h"
#include "framework/winapp.h"

namespace {
const char kWrapperProperty[] = "KorvexWrapper";
}

std::string CWnd::GetWindowText() const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

std::string CWnd::GetDlgItemText(int id) const
{
    CWnd item(GetDlgItem(id));
    return item.GetWindowText();
}

void CWnd::WinHelp(DWORD_PTR data, UINT command)
{
    if (CWinApp* app = AfxGetApp()) app->WinHelp(data, command);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kWrapperProperty)) : nullptr;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

void CWnd::RegisterPermanent()
{
    ::SetPropA(m_hWnd, kWrapperProperty, this);
}

void CWnd::UnregisterPermanent()
{
    ::RemovePropA(m_hWnd, kWrapperProperty);
}
