#pragma once
// The Storage page's check-list of hard files: rows of a fixed 20 pixels that
// keep the order they were put in.
#include "framework/checklistbox.h"
#include <string>
#include <vector>

// Command notification the list sends its parent when files were dropped onto
// it; DroppedFiles() holds their paths while the parent handles it.
constexpr UINT HFLN_DROPFILES = 41;

class CHardFileListBox : public CCheckListBox {
public:
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    // All items compare equal: the list never sorts.
    int CompareItem(COMPAREITEMSTRUCT* item) override;

    // A row whose file was not there when last looked at: drawn grey.
    bool IsMissing(int index) const;
    void SetMissing(int index, bool missing) const;

    void OnDropFiles(HDROP drop) override;
    // The dropped paths as the shell names them, in drop order.
    const std::vector<std::wstring>& DroppedFiles() const { return m_droppedFiles; }

protected:
    bool IsDimmed(int index) const override { return IsMissing(index); }

private:
    std::vector<std::wstring> m_droppedFiles;
};

// The one hard-file list of the process, attached to the Storage page's list
// control whenever that page's dialog is created.
extern CHardFileListBox theHardFileList;
