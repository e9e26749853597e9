#pragma once
// The Storage page's check-list of hard files: rows of a fixed 20 pixels that
// keep the order they were put in.
#include "framework/checklistbox.h"

class CHardFileListBox : public CCheckListBox {
public:
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    // All items compare equal: the list never sorts.
    int CompareItem(COMPAREITEMSTRUCT* item) override;
};

// The one hard-file list of the process, attached to the Storage page's list
// control whenever that page's dialog is created.
extern CHardFileListBox theHardFileList;
