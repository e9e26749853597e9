#include "pages/storage.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "framework/winapp.h"
#include "pages/disk_figures.h"
#include "pages/file_choice.h"
#include "pages/hardfile_list.h"
#include "pages/hardfile_paths.h"
#include "pages/rename_file_dlg.h"
#include "res/dlg_storage.h"
#include "res/resource.h"
#include "settings/unchecked_hard_files.h"

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

// Constructed at start-up, before any file dialog has moved the current directory.
CStorage::CStorage() : CPropertyPage(IDD_STORAGE), m_strStartFolder(CurrentFolder()) {}

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
    // Every stored file stays, reachable or not (a disk not plugged in now is
    // still the user's disk); empty slots are left out, so the next Apply
    // compacts the rest into the first volumes.
    for (const std::string& path : m_strVolume) {
        if (!path.empty()) AppendCheckedEntry(path);
    }
    for (const std::string& path : ReadUncheckedHardFiles()) {
        if (FindEntry(path) < 0) AppendEntry(path, false);
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
    std::vector<std::string> unchecked;
    for (int i = 0; i < theHardFileList.GetCount(); ++i) {
        if (!theHardFileList.GetCheck(i)) unchecked.push_back(theHardFileList.GetText(i));
    }
    WriteUncheckedHardFiles(unchecked);
    return CPropertyPage::OnApply();
}

bool CStorage::RefuseBeyondLimit() const
{
    if (m_nChecked < MaxHardFiles) return false;
    AfxMessageBox(IDS_HARD_FILE_LIMIT, MB_ICONINFORMATION | MB_OK);
    return true;
}

int CStorage::AppendEntry(const std::string& path, bool checked)
{
    int index = theHardFileList.AddString(path);
    if (index < 0) return index;
    theHardFileList.SetMissing(index, !ProbeHardFile(AbsolutePath(path, m_strStartFolder)).found);
    if (checked) {
        theHardFileList.SetCheck(index, 1);
        ++m_nChecked;
    }
    return index;
}

std::string CStorage::FullPathOf(int index) const
{
    return AbsolutePath(theHardFileList.GetText(index), m_strStartFolder);
}

int CStorage::FindEntry(const std::string& path) const
{
    const std::string full = AbsolutePath(path, m_strStartFolder);
    for (int i = 0; i < theHardFileList.GetCount(); ++i) {
        if (SamePath(FullPathOf(i), full)) return i;
    }
    return -1;
}

void CStorage::SelectEntry(int index)
{
    theHardFileList.SetCurSel(index);
    OnSelchangeList();
}

bool CStorage::IsSheetBusy() const
{
    return !::IsWindowEnabled(::GetAncestor(m_hWnd, GA_ROOT));
}

void CStorage::OnAdd()
{
    if (RefuseBeyondLimit()) return;
    std::string path;
    if (!ChooseFile(true, IDS_SELECT_HARD_FILE, IDS_HARD_FILE_FILTER, IDS_HARD_FILE_NAME,
                    OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, path))
        return;
    // One file is one disk: two volumes on one image would corrupt it.
    if (int listed = FindEntry(path); listed >= 0) return SelectEntry(listed);
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
    // Only a file that is there is deleted; a port or device name is never touched.
    const std::string path = FullPathOf(index);
    if (!ProbeHardFile(path).found) return;
    if (AfxMessageBox(DeleteQuestion(path).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // Only a file that is really gone leaves the list: Wine reports deleting a
    // file on a read-only mount, and one held open by a program that allows it,
    // while the file stays in view.
    if (!::DeleteFileA(path.c_str()) || ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;

    if (theHardFileList.GetCheck(index) && m_nChecked > 0) --m_nChecked;
    theHardFileList.DeleteString(index);
    theHardFileList.SetCurSel(-1);
    // Unchecked entries are kept too, so either way the page has something to write.
    SetModified(TRUE);
}

void CStorage::OnRename()
{
    int index = theHardFileList.GetCurSel();
    if (index < 0) return;
    const std::string oldPath = FullPathOf(index);
    if (!ProbeHardFile(oldPath).found) return;  // nothing there to rename; a device is never touched

    const std::wstring oldWide = WidenAnsi(oldPath);
    CRenameFileDlg dialog(this);
    dialog.m_strName = oldWide;
    if (dialog.DoModal() != IDOK || dialog.m_strName.empty()) return;
    // A bare name renames the file in its own folder, as a file manager does,
    // and a relative one is taken from there too.
    const std::wstring newWide = AbsolutePath(dialog.m_strName, WidenAnsi(FolderOf(oldPath)));
    // Exact comparison: a change of letter case is a rename too.
    if (newWide == oldWide) return;
    // Never replaces a file already at the new path: the move fails instead.
    if (!::MoveFileW(LongPathForm(oldWide).c_str(), LongPathForm(newWide).c_str())) return;
    // A new name no path of this program reaches is undone, and the user told.
    std::optional<std::string> newPath = UsableAnsiPath(newWide);
    if (!newPath) {
        ::MoveFileW(LongPathForm(newWide).c_str(), LongPathForm(oldWide).c_str());
        SayFileUnusable(newWide);
        return;
    }

    MoveEntry(index, index, *newPath);
    theHardFileList.SetMissing(index, false);
    theHardFileList.SetCurSel(-1);
    SetModified(TRUE);
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
    // Only the checked entries' order is the volumes' order.
    if (theHardFileList.GetCheck(target)) SetModified(TRUE);
}

void CStorage::MoveEntry(int from, int to, const std::string& text)
{
    const LRESULT data = theHardFileList.GetItemData(from);  // the check and the missing mark
    theHardFileList.DeleteString(from);
    theHardFileList.InsertString(to, text);
    theHardFileList.SetRowData(to, data);
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
    // Looked at anew: a drive may have come back, or a file gone, since listing.
    const HardFileProbe probe = ProbeHardFile(FullPathOf(index));
    theHardFileList.SetMissing(index, !probe.found);
    if (!probe.found)
        m_stcFileSize.SetWindowText(LoadStringResource(IDS_NOT_FOUND));
    else if (probe.bytes)  // a size the system does not tell leaves the field as it was
        m_stcFileSize.SetWindowText(FileSizeText(*probe.bytes));
}

void CStorage::OnDropFilesList()
{
    // A drop on a page behind a dialog would land unseen, and one during the
    // limit message would raise a second message over the first.
    if (IsSheetBusy() || m_bTakingDrop) return;
    m_bTakingDrop = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_bTakingDrop};
    // Each dropped file joins the list as Add's chosen file does, in drop
    // order; no dialog was opened, so the current directory stays. A copy:
    // the list's own is the drop's and goes with it.
    const std::vector<std::wstring> dropped = theHardFileList.DroppedFiles();
    int last = -1;
    bool added = false;
    for (const std::wstring& file : dropped) {
        const DWORD attributes = ::GetFileAttributesW(LongPathForm(file).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        const std::optional<std::string> path = UsableAnsiPathOrSay(file);
        if (!path) continue;
        if (int listed = FindEntry(*path); listed >= 0) {  // already a disk: it stays one
            last = listed;
            continue;
        }
        if (RefuseBeyondLimit()) break;  // said once; nothing is added beyond the limit
        int index = AppendCheckedEntry(*path);
        if (index >= 0) last = index, added = true;
    }
    if (last < 0) return;
    // The last one is selected with its size shown, as if the user had clicked it.
    SelectEntry(last);
    if (added) SetModified(TRUE);
}
