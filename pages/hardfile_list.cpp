#include "pages/hardfile_list.h"

CHardFileListBox theHardFileList;

namespace {
constexpr UINT kRowHeight = 20;
}

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
