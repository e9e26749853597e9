#include "pages/hardfile_size_dlg.h"
#include "framework/ddx.h"
#include "pages/disk_figures.h"
#include "res/dlg_hardfile_size.h"
#include "res/resource.h"

int DefaultHardFileSizeMiB(int availableMiB)
{
    if (availableMiB < 150) return 0;
    if (availableMiB < 300) return 100;
    if (availableMiB < 600) return 150;
    return 300;
}

CHardFileSizeDlg::CHardFileSizeDlg(CWnd* parent) : CDialog(IDD_HARDFILE_SIZE, parent)
{
    // Unreadable free space leaves 0, so only a size of 0 passes the range check.
    if (std::optional<uint64_t> freeMiB = CurrentDriveFreeMiB()) m_nAvailable = ClampToIntMiB(*freeMiB);
    m_nSize = DefaultHardFileSizeMiB(m_nAvailable);
}

void CHardFileSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HARDFILE_SPIN, m_spinSize);
    DDX_Text(pDX, IDC_AVAILABLE_MB, m_nAvailable);
    DDX_Text(pDX, IDC_HARDFILE_MB, m_nSize);
    DDV_MinMaxInt(pDX, m_nSize, 0, m_nAvailable);
    DDX_Check(pDX, IDC_HARDFILE_RESERVE, m_bReserve);
}

BOOL CHardFileSizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The 32-bit range: free space on today's drives is far beyond the 32,767
    // that the 16-bit range holds, and the arrows must reach all of it.
    m_spinSize.SetRange32(0, m_nAvailable);
    m_spinSize.SetPos32(m_nSize);
    return TRUE;
}
