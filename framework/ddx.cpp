#include "framework/ddx.h"
#include "framework/winapp.h"
#include "framework/wnd.h"
#include <cctype>
#include <cerrno>
#include <climits>
#include <commctrl.h>
#include <cstdlib>
#include <vector>

HWND CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = false;
    return m_pDlgWnd->GetDlgItem(id);
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = true;
    return control;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (!m_bSaveAndValidate || m_idLastControl == 0) return;
    HWND control = m_pDlgWnd->GetDlgItem(m_idLastControl);
    ::SetFocus(control);
    if (m_bEditLastControl) ::SendMessageA(control, EM_SETSEL, 0, -1);
}

std::string IntegerPrompt()
{
    return "Please enter an integer.";
}

std::string IntegerRangePrompt(int minValue, int maxValue)
{
    return "Please enter an integer between " + std::to_string(minValue) + " and " + std::to_string(maxValue) + ".";
}

bool ParseInteger(const std::string& text, int& value)
{
    const char* begin = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*begin))) ++begin;
    if (*begin == '\0') return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    while (std::isspace(static_cast<unsigned char>(*end))) ++end;
    if (*end != '\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(id);
    if (control.m_hWnd != hWnd) control.SubclassWindow(hWnd);
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    if (pDX->Failed()) return;
    CWnd control(pDX->PrepareEditCtrl(id));
    if (!pDX->m_bSaveAndValidate) {
        control.SetWindowText(std::to_string(value));
        return;
    }
    if (!ParseInteger(control.GetWindowText(), value)) {
        AfxMessageBox(IntegerPrompt().c_str(), MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->Failed()) return;
    CWnd control(pDX->PrepareEditCtrl(id));
    if (pDX->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int id, std::wstring& value)
{
    if (pDX->Failed()) return;
    HWND control = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextW(control, value.c_str());
        return;
    }
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    value.assign(text.data(), static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    if (pDX->Failed()) return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, CB_SETCURSEL, index, 0);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    if (pDX->Failed()) return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, value, 0);
}

void DDX_Slider(CDataExchange* pDX, int id, int& value)
{
    if (pDX->Failed()) return;
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(control, TBM_SETPOS, TRUE, value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue)
{
    if (pDX->Failed() || !pDX->m_bSaveAndValidate) return;
    if (value >= minValue && value <= maxValue) return;
    AfxMessageBox(IntegerRangePrompt(minValue, maxValue).c_str(), MB_ICONEXCLAMATION);
    pDX->Fail();
}
