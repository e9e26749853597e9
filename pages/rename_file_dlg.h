#pragma once
// The Rename File dialog: one edit with the new path of a hard file. A Unicode
// dialog, so that a name the ANSI code page cannot spell reaches the rename
// whole; the page then stores the renamed file by a path it can.
#include "framework/dialog.h"
#include <string>

class CRenameFileDlg : public CDialog {
public:
    explicit CRenameFileDlg(CWnd* parent = nullptr);

    std::wstring m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
