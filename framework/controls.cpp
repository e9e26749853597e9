#include "framework/controls.h"

std::string CComboBox::GetLBText(int index) const
{
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

std::string CListBox::GetText(int index) const
{
    LRESULT length = SendMessage(LB_GETTEXTLEN, index);
    if (length == LB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}
