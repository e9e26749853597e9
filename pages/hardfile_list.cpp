#include "pages/hardfile_list.h"

CHardFileListBox theHardFileList;

namespace {
constexpr UINT kRowHeight = 20;
// Item-data bit beside the check (bit 0).
constexpr LPARAM kMissingBit = 2;
}  // namespace

void CHardFileListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    CCheckListBox::DrawItem(item);
}

void CHardFileListBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemHeight = kRowHeight;
}

int CHardFileListBox::CompareItem(COMPAREITEMSTRUCT*)
{
    return 0;
}

bool CHardFileListBox::IsMissing(int index) const
{
    LRESULT data = GetItemData(index);
    return data != LB_ERR && (data & kMissingBit);
}

void CHardFileListBox::SetMissing(int index, bool missing) const
{
    LRESULT data = GetItemData(index);
    if (data != LB_ERR) SetRowData(index, missing ? data | kMissingBit : data & ~kMissingBit);
}

void CHardFileListBox::OnDropFiles(HDROP drop)
{
    m_droppedFiles.clear();
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<wchar_t> path(::DragQueryFileW(drop, i, nullptr, 0) + 1);
        if (!::DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()))) continue;
        m_droppedFiles.emplace_back(path.data());
    }
    ::DragFinish(drop);
    ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), HFLN_DROPFILES), reinterpret_cast<LPARAM>(m_hWnd));
    m_droppedFiles.clear();
}
