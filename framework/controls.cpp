#include "framework/controls.h"
#include "framework/strings.h"
#include <vector>

namespace {
// An item's text read through the Unicode message and turned into the ANSI
// code page here. The controls keep their items in Unicode, and Wine's own
// conversion of the ANSI message copies the item into a fixed stack buffer of
// 512 characters: a longer item overwrote the stack and ended the program.
std::string ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = ::SendMessageW(control, lengthMessage, index, 0);
    if (length < 0) return std::string();  // LB_ERR and CB_ERR alike
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = ::SendMessageW(control, textMessage, index, reinterpret_cast<LPARAM>(wide.data()));
    return copied > 0 ? NarrowToAnsi(std::wstring(wide.data(), static_cast<size_t>(copied))) : std::string();
}
}  // namespace

std::string CComboBox::GetLBText(int index) const
{
    return ItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string CListBox::GetText(int index) const
{
    return ItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, index);
}
