#pragma once
// The Hard File Size dialog: shows the free space of the drive that holds the
// current directory and asks for the size of a new hard file in MiB, and
// whether its whole size is to be taken from the disk now.
#include "framework/controls.h"
#include "framework/dialog.h"

// The size proposed for a drive with `availableMiB` free: 0 below 150, 100 up
// to 299, 150 up to 599, 300 from 600 on.
int DefaultHardFileSizeMiB(int availableMiB);

class CHardFileSizeDlg : public CDialog {
public:
    // Measures the free space at once: construct it after the current directory
    // has moved to the new file's folder.
    explicit CHardFileSizeDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    CSpinButtonCtrl m_spinSize;
    int m_nAvailable = 0;
    int m_nSize = 0;
    // Checked: every block written now. Unchecked: a sparse file, which takes
    // the disk's room only as the emulated disk fills.
    int m_bReserve = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
