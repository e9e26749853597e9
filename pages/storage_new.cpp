// Creating a new hard file from the Storage page.
#include "pages/storage.h"
#include "framework/winapp.h"
#include "pages/file_choice.h"
#include "pages/hardfile_list.h"
#include "pages/hardfile_paths.h"
#include "pages/hardfile_size_dlg.h"
#include "pages/hardfile_writer.h"
#include "pages/write_progress.h"
#include "res/resource.h"
#include <optional>

void CStorage::OnNew()
{
    if (RefuseBeyondLimit()) return;
    std::string path;
    if (!ChooseFile(false, IDS_NEW_HARD_FILE, IDS_HARD_FILE_FILTER, IDS_HARD_FILE_NAME,
                    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, path))
        return;
    // The entry stays whatever happens next, even when no file gets written.
    // A file already listed is not listed twice, yet is written anew if asked.
    int index = FindEntry(path);
    if (index >= 0) {
        SelectEntry(index);
    } else {
        index = AppendCheckedEntry(path);
        SetModified(TRUE);
    }

    // Constructed only now: the current directory has moved to the new file's
    // folder, and the dialog measures the free space of that drive.
    CHardFileSizeDlg sizeDialog;
    if (sizeDialog.DoModal() == IDOK && sizeDialog.m_nSize != 0)
        WriteNewHardFile(path, sizeDialog.m_nSize, sizeDialog.m_bReserve != FALSE);
    // Drawn as there only when a file is there now.
    theHardFileList.SetMissing(index, !ProbeHardFile(path).found);
}

void CStorage::WriteNewHardFile(const std::string& path, int sizeMiB, bool reserve)
{
    // Up only while blocks are written: a sparse file is there at once.
    std::optional<CWriteProgressDlg> progress;
    const HardFileDisk disk = {[this](HANDLE file) { return MarkHardFileSparse(file); },
                               [this](HANDLE file, const void* block, DWORD size) {
                                   return WriteHardFileBlock(file, block, size);
                               }};
    // Failures are quiet: a file that cannot be created or a full disk leaves
    // what was written and shows nothing.
    WriteHardFile(
        path, sizeMiB, reserve,
        [&](int mibWritten) {
            if (!progress) progress.emplace(::GetAncestor(m_hWnd, GA_ROOT), path, sizeMiB);
            progress->ShowWritten(mibWritten);
        },
        disk);
}

bool CStorage::MarkHardFileSparse(HANDLE file)
{
    return MarkFileSparse(file);
}

bool CStorage::WriteHardFileBlock(HANDLE file, const void* block, DWORD size)
{
    return WriteBlockToFile(file, block, size);
}
