#include "pages/storage.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "framework/winapp.h"
#include "pages/disk_figures.h"
#include "pages/file_choice.h"
#include "pages/hardfile_list.h"
#include "pages/rename_file_dlg.h"
#include "res/dlg_storage.h"
#include "res/resource.h"

const CommandEntry<CStorage> CStorage::kCommands[] = {
    {IDC_STORAGE_ADD, BN_CLICKED, &CStorage::OnAdd},
    {IDC_STORAGE_REMOVE, BN_CLICKED, &CStorage::OnRemove},
    {IDC_STORAGE_NEW, BN_CLICKED, &CStorage::OnNew},
    {IDC_STORAGE_RENAME, BN_CLICKED, &CStorage::OnRename},
    {IDC_STORAGE_DELETE, BN_CLICKED, &CStorage::OnDelete},
    {IDC_HARDFILE_LIST, LBN_SELCHANGE, &CStorage::OnSelchangeList},
    {IDC_HARDFILE_LIST, CLBN_CHKCHANGE, &CStorage::OnChkchangeList},
    {IDC_HARDFILE_LIST, HFLN_DROPFILES, &CStorage::OnDropFilesList},
};

const NotifyEntry<CStorage> CStorage::kNotifications[] = {
    {IDC_STORAGE_SPIN, UDN_DELTAPOS, &CStorage::OnDeltaposSpin},
};

namespace {
// The confirmation text: string 138 with its one %s standing for the path.
std::string DeleteQuestion(const std::string& path)
{
    std::string text = LoadStringResource(IDS_CONFIRM_DELETE);
    size_t slot = text.find("%s");
    if (slot != std::string::npos) text.replace(slot, 2, path);
    return text;
}
}  // namespace

CStorage::CStorage() : CPropertyPage(IDD_STORAGE) {}

void CStorage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FREE_SPACE_TEXT, m_stcFreeSpace);
    DDX_Control(pDX, IDC_HARDFILE_SIZE_TEXT, m_stcFileSize);
}

BOOL CStorage::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CStorage::OnNotify(NMHDR* header, LRESULT* result)
{
    return DispatchNotify(this, kNotifications, header, result);
}

BOOL CStorage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    theHardFileList.SubclassWindow(GetDlgItem(IDC_HARDFILE_LIST));
    theHardFileList.DragAcceptFiles();
    for (int n = 0; n < MaxHardFiles; ++n) m_strVolume[n] = ReadSettingString(setting::Volume, n);
    FillHardFileList();
    return TRUE;
}

void CStorage::FillHardFileList()
{
    m_stcFileSize.SetWindowText("");
    if (std::optional<uint64_t> freeMiB = CurrentDriveFreeMiB()) m_stcFreeSpace.SetWindowText(FreeSpaceText(*freeMiB));

    theHardFileList.ResetContent();
    m_nChecked = 0;
    // Paths that are empty or no longer open are left out; the next Apply
    // compacts the rest into the first volumes.
    for (const std::string& path : m_strVolume) {
        if (path.empty() || !FileOpensForReading(path)) continue;
        AppendCheckedEntry(path);
    }
}

BOOL CStorage::OnApply()
{
    int volume = 0;
    for (int i = 0; i < theHardFileList.GetCount() && volume < MaxHardFiles; ++i) {
        if (theHardFileList.GetCheck(i))
            WriteSettingString(setting::Volume, volume++, theHardFileList.GetText(i));
    }
    // Free slots are written empty, never deleted: the emulator reads all ten.
    for (; volume < MaxHardFiles; ++volume) WriteSettingString(setting::Volume, volume, "");
    return CPropertyPage::OnApply();
}

bool CStorage::RefuseBeyondLimit() const
{
    if (m_nChecked < MaxHardFiles) return false;
    AfxMessageBox(IDS_HARD_FILE_LIMIT, MB_ICONINFORMATION | MB_OK);
    return true;
}

void CStorage::AppendCheckedEntry(const std::string& path)
{
    int index = theHardFileList.AddString(path);
    if (index < 0) return;
    theHardFileList.SetCheck(index, 1);
    ++m_nChecked;
}

void CStorage::OnAdd()
{
    if (RefuseBeyondLimit()) return;
    std::string path;
    if (!ChooseFile(true, IDS_SELECT_HARD_FILE, IDS_HARD_FILE_FILTER, IDS_HARD_FILE_NAME,
                    OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, path))
        return;
    // No duplicate check: the same file may stand twice, as two volumes.
    AppendCheckedEntry(path);
    SetModified(TRUE);
}

void CStorage::OnRemove()
{
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    if (theHardFileList.GetCheck(index) && m_nChecked > 0) --m_nChecked;
    theHardFileList.DeleteString(index);
    theHardFileList.SetCurSel(-1);
    SetModified(TRUE);
}

void CStorage::OnDelete()
{
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    std::string path = theHardFileList.GetText(index);
    if (AfxMessageBox(DeleteQuestion(path).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // Only a file that is really gone leaves the list: Wine reports deleting a
    // file on a read-only mount, and one held open by a program that allows it,
    // while the file stays in view.
    if (!::DeleteFileA(path.c_str()) || ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;

    bool wasChecked = theHardFileList.GetCheck(index) != 0;
    theHardFileList.DeleteString(index);
    theHardFileList.SetCurSel(-1);
    if (wasChecked) {
        if (m_nChecked > 0) --m_nChecked;
        SetModified(TRUE);
    }
}

void CStorage::OnRename()
{
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    std::string oldPath = theHardFileList.GetText(index);

    CRenameFileDlg dialog;
    dialog.m_strName = oldPath;
    if (dialog.DoModal() != IDOK) return;
    const std::string& newPath = dialog.m_strName;
    // Exact comparison: a change of letter case is a rename too. A path too
    // long for Windows is refused as Windows itself would refuse it.
    if (newPath.empty() || newPath == oldPath || !FitsInMaxPath(newPath)) return;
    // Never replaces a file already at the new path: the move fails instead.
    if (!::MoveFileA(oldPath.c_str(), newPath.c_str())) return;

    MoveEntry(index, index, newPath);
    theHardFileList.SetCurSel(-1);
}

void CStorage::OnDeltaposSpin(NMHDR* header, LRESULT* result)
{
    *result = 0;
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    // With the control's default range the upper arrow proposes a negative change.
    int target = reinterpret_cast<NMUPDOWN*>(header)->iDelta < 0 ? index - 1 : index + 1;
    if (target < 0 || target >= theHardFileList.GetCount()) return;
    MoveEntry(index, target, theHardFileList.GetText(index));
    theHardFileList.SetCurSel(target);
}

void CStorage::MoveEntry(int from, int to, const std::string& text)
{
    bool checked = theHardFileList.GetCheck(from) != 0;
    theHardFileList.DeleteString(from);
    theHardFileList.InsertString(to, text);
    // An unchecked entry is never stored, so moving it changes nothing to apply.
    if (checked) {
        theHardFileList.SetCheck(to, 1);
        SetModified(TRUE);
    }
}

void CStorage::OnChkchangeList()
{
    // A click on a box selects its row first, so the toggled entry is the selected one.
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    if (theHardFileList.GetCheck(index)) {
        if (++m_nChecked > MaxHardFiles) {
            m_nChecked = MaxHardFiles;
            theHardFileList.SetCheck(index, 0);
            AfxMessageBox(IDS_HARD_FILE_LIMIT, MB_ICONINFORMATION | MB_OK);
        }
    } else if (m_nChecked > 0) {
        --m_nChecked;
    }
    SetModified(TRUE);
}

void CStorage::OnSelchangeList()
{
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    // A file that cannot be opened or measured leaves the field as it was.
    if (std::optional<uint64_t> bytes = FileLength(theHardFileList.GetText(index)))
        m_stcFileSize.SetWindowText(FileSizeText(*bytes));
}

void CStorage::OnDropFilesList()
{
    // Each dropped file joins the list as Add's chosen file does, in drop
    // order; no dialog was opened, so the current directory stays. A copy:
    // another drop may arrive while the limit message is up.
    const std::vector<std::string> dropped = theHardFileList.DroppedFiles();
    int last = -1;
    for (const std::string& path : dropped) {
        if (!FileOpensForReading(path)) continue;  // a folder, or a file that does not open
        if (RefuseBeyondLimit()) break;  // said once; nothing is added beyond the limit
        int before = theHardFileList.GetCount();
        AppendCheckedEntry(path);
        if (theHardFileList.GetCount() > before) last = before;
    }
    if (last < 0) return;
    // The last one is selected with its size shown, as if the user had clicked it.
    theHardFileList.SetCurSel(last);
    OnSelchangeList();
    SetModified(TRUE);
}
