#pragma once
// The Storage page: the list of hard files the emulated machine mounts. Checked
// entries, in list order, become Volume0 onward when the sheet applies; the
// unchecked ones are kept for the next time. An entry leaves the list only by
// the user's hand, also when its file cannot be reached just now.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include <array>
#include <string>

// No more entries than this can be checked at a time.
constexpr int MaxHardFiles = 10;

class CStorage : public CPropertyPage {
public:
    CStorage();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CStatic m_stcFreeSpace;
    CStatic m_stcFileSize;
    int m_nChecked = 0;
    std::array<std::string, MaxHardFiles> m_strVolume;
    // The folder the program was started in, where the emulator is: what a
    // stored relative name means.
    std::string m_strStartFolder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;
    BOOL OnNotify(NMHDR* header, LRESULT* result) override;

    // Marks a new hard file sparse, and writes one block of it; tests put a disk
    // without sparse files, or a failing one, in their place.
    virtual bool MarkHardFileSparse(HANDLE file);
    virtual bool WriteHardFileBlock(HANDLE file, const void* block, DWORD size);

    void OnAdd();
    void OnRemove();
    void OnNew();
    void OnRename();
    void OnDelete();
    void OnDeltaposSpin(NMHDR* header, LRESULT* result);
    void OnSelchangeList();
    void OnChkchangeList();
    void OnDropFilesList();

private:
    void FillHardFileList();
    // Shows the limit message when MaxHardFiles entries are checked already.
    bool RefuseBeyondLimit() const;
    // Appends `path`, marked missing when its file is not there; returns its
    // index, or -1 when the list refused it.
    int AppendEntry(const std::string& path, bool checked);
    int AppendCheckedEntry(const std::string& path) { return AppendEntry(path, true); }
    // The full path of the file an entry names.
    std::string FullPathOf(int index) const;
    // The entry that names the same file as `path`, or -1.
    int FindEntry(const std::string& path) const;
    // Selects an entry and shows its size, as the user's click does.
    void SelectEntry(int index);
    // Puts `text` at `to` in place of the entry at `from`, keeping its check.
    void MoveEntry(int from, int to, const std::string& text);
    void WriteNewHardFile(const std::string& path, int sizeMiB, bool reserve);
    // While a dialog or message box of the program is up, or the progress
    // window, the sheet is disabled: what reaches the page then is no choice.
    bool IsSheetBusy() const;

    // Set while a drop is being taken: a message it raises need not disable the
    // sheet (its owner is the active window, and a drop comes from another
    // program), so a second drop meanwhile is turned away here.
    bool m_bTakingDrop = false;

    static const CommandEntry<CStorage> kCommands[];
    static const NotifyEntry<CStorage> kNotifications[];
};
