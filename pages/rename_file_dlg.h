#pragma once
// The Rename File dialog: one edit with the new path of a hard file.
#include "framework/dialog.h"
#include <string>

class CRenameFileDlg : public CDialog {
public:
    explicit CRenameFileDlg(CWnd* parent = nullptr);

    std::string m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
