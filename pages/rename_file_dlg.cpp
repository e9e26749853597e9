#include "pages/rename_file_dlg.h"
#include "framework/ddx.h"
#include "res/dlg_rename_file.h"
#include "res/resource.h"

CRenameFileDlg::CRenameFileDlg(CWnd* parent) : CDialog(IDD_RENAME_FILE, parent)
{
    m_bUnicode = true;
}

void CRenameFileDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_RENAME_NAME, m_strName);
}
