#include "framework/checklistbox.h"
#include "framework/procedure_guard.h"

namespace {
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxMargin = 2;
constexpr UINT_PTR kSubclassId = 1;
}

CCheckListBox::~CCheckListBox()
{
    Unsubclass();
}

void CCheckListBox::SubclassWindow(HWND hWnd)
{
    Unsubclass();
    Attach(hWnd);
    RegisterPermanent();
    ::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // The dialog measured the rows while it created the control, before this
    // object was attached; measure again now that the object can answer.
    MEASUREITEMSTRUCT measure = {ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID()), 0, 0, 0, 0};
    measure.itemHeight = static_cast<UINT>(GetItemHeight(0));
    MeasureItem(&measure);
    SetItemHeight(0, measure.itemHeight);
}

void CCheckListBox::Unsubclass()
{
    if (!m_hWnd) return;
    ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    UnregisterPermanent();
    m_hWnd = nullptr;
}

int CCheckListBox::GetCheck(int index) const
{
    LRESULT data = GetItemData(index);
    return data == LB_ERR ? 0 : static_cast<int>(data & 1);
}

void CCheckListBox::SetCheck(int index, int check) const
{
    LRESULT data = GetItemData(index);
    if (data == LB_ERR) return;
    SetRowData(index, (data & ~LPARAM(1)) | (check ? 1 : 0));
}

void CCheckListBox::SetRowData(int index, LPARAM data) const
{
    if (SetItemData(index, data) == LB_ERR) return;
    RECT row;
    if (GetItemRect(index, &row)) ::InvalidateRect(m_hWnd, &row, FALSE);
}

int CCheckListBox::CheckAreaWidth() const
{
    return kCheckBoxMargin + kCheckBoxSize + kCheckBoxMargin;
}

void CCheckListBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    if (item->itemHeight < kCheckBoxSize + kCheckBoxMargin) item->itemHeight = kCheckBoxSize + kCheckBoxMargin;
}

int CCheckListBox::CompareItem(COMPAREITEMSTRUCT*)
{
    return 0;
}

void CCheckListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    HDC dc = item->hDC;
    RECT row = item->rcItem;
    if (item->itemID == static_cast<UINT>(-1)) {  // empty list: only the focus
        if (item->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &row);
        return;
    }
    int index = static_cast<int>(item->itemID);

    RECT box = {row.left + kCheckBoxMargin, row.top + (row.bottom - row.top - kCheckBoxSize) / 2, 0, 0};
    box.right = box.left + kCheckBoxSize;
    box.bottom = box.top + kCheckBoxSize;
    RECT text = row;
    text.left += CheckAreaWidth();

    bool selected = (item->itemState & ODS_SELECTED) != 0;
    if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_WINDOW));
        ::DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(index) ? DFCS_CHECKED : 0));
        ::FillRect(dc, &text, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        std::string label = GetText(index);
        int oldMode = ::SetBkMode(dc, TRANSPARENT);
        const int textColor = selected ? COLOR_HIGHLIGHTTEXT : IsDimmed(index) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT;
        COLORREF oldColor = ::SetTextColor(dc, ::GetSysColor(textColor));
        RECT inner = text;
        inner.left += 2;
        ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        ::SetTextColor(dc, oldColor);
        ::SetBkMode(dc, oldMode);
    }
    if ((item->itemState & ODS_FOCUS) && (item->itemAction & (ODA_FOCUS | ODA_DRAWENTIRE)))
        ::DrawFocusRect(dc, &text);
    else if (item->itemAction & ODA_FOCUS)
        ::DrawFocusRect(dc, &text);  // focus leaving: the same XOR rectangle takes it away
}

void CCheckListBox::OnDropFiles(HDROP drop)
{
    ::DragFinish(drop);
}

bool CCheckListBox::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT* result)
{
    switch (msg) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    case WM_COMPAREITEM:
        *result = CompareItem(reinterpret_cast<COMPAREITEMSTRUCT*>(lParam));
        return true;
    default:
        return false;
    }
}

void CCheckListBox::ToggleByUser(int index) const
{
    SetCheck(index, !GetCheck(index));
    ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

bool CCheckListBox::OnClick(LPARAM point)
{
    int x = static_cast<short>(LOWORD(point));
    LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit) != 0 || x >= CheckAreaWidth()) return false;  // outside the rows or the boxes
    int index = LOWORD(hit);
    // The row is selected first, as for any click, so the parent's handler finds
    // the toggled entry as the selected one.
    ::DefSubclassProc(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ToggleByUser(index);
    return true;
}

void CCheckListBox::OnSpace() const
{
    int caret = static_cast<int>(SendMessage(LB_GETCARETINDEX));
    if (caret < 0 || caret >= GetCount()) return;
    // As a click on a box does, the row is selected before it toggles: with no
    // row selected (after the page opened, or after an entry went), the parent
    // would otherwise not find the row that changed.
    if (GetCurSel() != caret) {
        SetCurSel(caret);
        if (::GetWindowLongA(m_hWnd, GWL_STYLE) & LBS_NOTIFY)
            ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_hWnd));
    }
    ToggleByUser(caret);
}

LRESULT CALLBACK CCheckListBox::SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self)
{
    CCheckListBox* list = reinterpret_cast<CCheckListBox*>(self);
    return CallCatching<LRESULT>(0, [&]() -> LRESULT {
        switch (msg) {
        case WM_DROPFILES:
            list->OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (list->OnClick(lParam)) return 0;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                list->OnSpace();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == ' ') return 0;  // not a search for rows starting with a blank
            break;
        case WM_NCDESTROY:
            list->Unsubclass();
            break;
        }
        return ::DefSubclassProc(hWnd, msg, wParam, lParam);
    });
}
