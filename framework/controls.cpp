#include "framework/controls.h"
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
    if (copied <= 0) return std::string();
    int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), &text[0], size, nullptr, nullptr);
    return text;
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
