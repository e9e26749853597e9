// The Storage page on a real sheet, driven the way a user drives it: the stored
// list, the limit of ten checked entries, the file operations, dropped files and
// New, down to the volumes OK stores and the bytes on the disk.
#include "framework/handles.h"
#include "framework/strings.h"
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "pages/hardfile_size_dlg.h"
#include "pages/hardfile_writer.h"
#include "pages/storage.h"
#include "res/dlg_hardfile_size.h"
#include "res/dlg_rename_file.h"
#include "res/dlg_storage.h"
#include "tests/support/gui.h"
#include "tests/support/temp_folder.h"
#include <cstdio>
#include <fstream>
#include <shlobj.h>
#include <winternl.h>

namespace {
using Rows = std::vector<std::string>;

// What the user does on the page opened on the volumes `stored` and the hard
// files `kept` unchecked, and what must follow. A letter stands for its file in
// the test folder, as Path() spells it; other names are relative to that folder,
// where the program was started.
struct Scenario {
    std::string what;
    Rows stored;
    std::function<void()> act;
    std::string listed;  // "+a -b +~c": a.hfi checked, b.hfi unchecked, c.hfi checked but not found
    bool modified;
    Rows said;  // the message boxes, as Box() spells them
    Rows kept = {};
};

std::string Box(const std::string& text, UINT type) { return text + " #" + std::to_string(type); }

// A disk that is full after 1000 blocks, and that has no sparse files when
// told; notes the progress window that stood over a locked sheet while the file
// was written, and does `meanwhile` once, at the next block.
struct StorageOnSmallDisk : CStorage {
    int attempts = 0;
    HWND progress = nullptr;
    bool noSparseFiles = false;
    std::function<void()> meanwhile;
    bool MarkHardFileSparse(HANDLE file) override { return !noSparseFiles && CStorage::MarkHardFileSparse(file); }
    bool WriteHardFileBlock(HANDLE file, const void* block, DWORD size) override
    {
        HWND window = ::FindWindowA(nullptr, "Creating Hard File");
        if (::IsWindowVisible(window) && !::IsWindowEnabled(::GetAncestor(m_hWnd, GA_ROOT))) progress = window;
        if (meanwhile) std::exchange(meanwhile, nullptr)();
        return ++attempts <= 1000 && CStorage::WriteHardFileBlock(file, block, size);
    }
};

// "3 MiB of zeros, 0 MiB taken": what the emulator finds in a hard file (its
// length, and zero bytes at the start, at odd offsets and in the last byte) and
// the disk space it takes, in whole MiB rounded down. The space is the file
// system's allocation, which Wine fills from the Unix file's blocks (as stat
// and du count them).
std::string HardFileFacts(const std::string& path)
{
    unique_hfile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, {}));
    IO_STATUS_BLOCK status;
    FILE_STANDARD_INFORMATION info = {};
    if (::NtQueryInformationFile(file.get(), &status, &info, sizeof info, FileStandardInformation) != 0) return "none";
    const uint64_t length = info.EndOfFile.QuadPart;
    bool zeros = length > 0;
    for (uint64_t offset : {uint64_t{0}, uint64_t{4095}, uint64_t{4096}, uint64_t{1048577}, length / 2 + 7,
                            length - 1}) {
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(std::min(offset, length - 1));
        char byte = 1;
        DWORD read = 0;
        zeros = zeros && ::SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) &&
                ::ReadFile(file.get(), &byte, 1, &read, nullptr) && read == 1 && byte == 0;
    }
    return std::to_string(length >> 20) + " MiB" + (length % (1 << 20) ? " and more" : "") +
           (zeros ? " of zeros, " : " not of zeros, ") + std::to_string(info.AllocationSize.QuadPart >> 20) +
           " MiB taken";
}

// A real WM_DROPFILES with a block of wide paths, as the shell sends it; the
// list frees the block with DragFinish, as the receiver of a drop does.
void DropOnList(HWND page, const std::vector<std::wstring>& paths)
{
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    auto* drop = static_cast<DROPFILES*>(::GlobalAlloc(GPTR, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t)));
    *drop = {sizeof(DROPFILES), {}, FALSE, TRUE};
    names.copy(reinterpret_cast<wchar_t*>(drop + 1), names.size());  // GPTR zeroed the final L'\0'
    ::SendDlgItemMessageW(page, IDC_HARDFILE_LIST, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

// A file on a drive that this machine does not have.
std::string OnMissingDrive()
{
    char drive = 'Z';
    while (::GetLogicalDrives() & (1u << (drive - 'A'))) --drive;
    return std::string(1, drive) + ":\\disk.hfi";
}

// The short path the file at `path` has (made for a moment if it is not there):
// Wine makes a short name from the long one alone, so it is the same later.
std::string ShortName(const std::wstring& path)
{
    const std::wstring at = L"\\\\?\\" + path;
    const bool made = ::GetFileAttributesW(at.c_str()) == INVALID_FILE_ATTRIBUTES &&
                      unique_hfile(::CreateFileW(at.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    wchar_t found[MAX_PATH + 4] = {};
    const DWORD length = ::GetShortPathNameW(at.c_str(), found, MAX_PATH + 4);
    if (made) ::DeleteFileW(at.c_str());
    return length > 4 && length < MAX_PATH + 4 ? NarrowToAnsi(found + 4) : "?";
}

// The unchecked hard files as the program keeps them, File0 onward.
Rows KeptUnchecked()
{
    const SettingsSnapshot values = ReadAllSettings(kHardFilesKey);
    Rows kept;
    while (std::optional<std::string> path = TextOf(Find(values, "File" + std::to_string(kept.size()))))
        kept.push_back(*path);
    EXPECT_EQ(values.size(), kept.size()) << "values beyond the kept files";
    return kept;
}
}  // namespace

class StorageTest : public DialogTest {
protected:
    // Each scenario on a fresh page that finds a.hfi to k.hfi, then what holds
    // after any: the count of checked entries is right, and OK stores the checked
    // entries in list order.
    void Run(const std::vector<Scenario>& scenarios)
    {
        for (const Scenario& s : scenarios) {
            SCOPED_TRACE(s.what);
            sheet.reset();
            DialogTest::SetUp();
            for (char name = 'a'; name <= 'k'; ++name) folder.CreateFileOfSize(std::string(1, name) + ".hfi", 16);
            ::CreateDirectoryA(folder.File("sub").c_str(), nullptr);
            for (const char* name : {"sub\\a.hfi", "sub\\b.hfi", "sub\\c.hfi"}) folder.CreateFileOfSize(name, 5 << 20);
            for (size_t n = 0; n < s.stored.size(); ++n)
                WriteStringSetting("Volume" + std::to_string(n), Path(s.stored[n]));
            for (size_t n = 0; n < s.kept.size(); ++n)
                WriteStringSetting("File" + std::to_string(n), Path(s.kept[n]), kHardFilesKey);
            ::SetCurrentDirectoryA(folder.path().c_str());  // where the program starts
            Reopen();
            s.act();
            std::string listed;
            Rows said, checked, unchecked, saved;
            for (int i = 0; i < theHardFileList.GetCount(); ++i) {
                const std::string path = theHardFileList.GetText(i);
                const std::string letter = path.substr(std::min(path.size(), folder.path().size()), 1);
                std::string mark = theHardFileList.GetCheck(i) ? "+" : "-";
                if (theHardFileList.IsMissing(i)) mark += "~";
                listed += (i ? " " : "") + (mark + (path == Path(letter) ? letter : path));
                (theHardFileList.GetCheck(i) ? checked : unchecked).push_back(path);
            }
            EXPECT_EQ(listed, s.listed);
            EXPECT_EQ(sheet->IsApplyEnabled(), s.modified);
            for (const MessageBoxRecord& box : TestApp().messageBoxes) said.push_back(Box(box.text, box.type));
            EXPECT_EQ(said, s.said);
            EXPECT_EQ(page->m_nChecked, static_cast<int>(checked.size()));
            sheet->PressOK();
            for (int n = 0; n < 10; ++n) saved.push_back(TextOf(ReadRawSetting("Volume" + std::to_string(n))).value_or("?"));
            checked.resize(10);
            EXPECT_EQ(saved, checked);
            EXPECT_EQ(KeptUnchecked(), unchecked);
        }
    }
    // OK on the sheet if one is up, then the page anew, as the next run shows it.
    void Reopen()
    {
        if (sheet) sheet->PressOK();
        sheet.reset();
        page = std::make_unique<StorageOnSmallDisk>();
        sheet = std::make_unique<SheetHarness>(std::vector<CPropertyPage*>{page.get()});
    }
    // A letter stands for its file in the folder, any other text for itself.
    std::string Path(const std::string& s) const { return s.size() == 1 ? folder.File(s + ".hfi") : s; }
    std::string Text(int id) const { return ControlText(page->m_hWnd, id); }
    void ClickAt(int id, int x, int y)
    {
        ::SendDlgItemMessageA(page->m_hWnd, id, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendDlgItemMessageA(page->m_hWnd, id, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        PumpMessages();
    }
    // On a row's text, or on its check box; rows are 20 pixels high.
    void Click(int row, bool onBox = false) { ClickAt(IDC_HARDFILE_LIST, onBox ? 8 : 100, row * 20 + 10); }
    void Spin(bool up)
    {
        RECT rect;
        ::GetClientRect(::GetDlgItem(page->m_hWnd, IDC_STORAGE_SPIN), &rect);
        ClickAt(IDC_STORAGE_SPIN, rect.right / 2, up ? 2 : rect.bottom - 3);
    }
    void Space() { ::SendDlgItemMessageA(page->m_hWnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0); }
    // The space bar on a row that may lie below the visible ones.
    void Toggle(int row)
    {
        ::SendDlgItemMessageA(page->m_hWnd, IDC_HARDFILE_LIST, LB_SETCURSEL, row, 0);
        Space();
    }
    void Press(int id) { ClickButton(page->m_hWnd, id); }
    void Delete(int row, int answer) { Click(row), TestApp().AnswerMessageBox(answer), Press(IDC_STORAGE_DELETE); }
    // Presses `button`, then types `text` into `edit` of the dialog that opens,
    // ticks the check box `tick` if one is given, and presses OK (Cancel when
    // `text` is null); `shown` receives what the edit showed.
    void Type(int button, int edit, std::optional<std::wstring> text, int tick = 0)
    {
        OnNextModalDialog([this, edit, text, tick](HWND dialog) {
            shown = ControlText(dialog, edit);
            if (text) ::SetDlgItemTextW(dialog, edit, text->c_str());
            if (tick) ::CheckDlgButton(dialog, tick, BST_CHECKED);
            ::SendMessageA(dialog, WM_COMMAND, text ? IDOK : IDCANCEL, 0);
            if (::IsWindowVisible(dialog)) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // refused: end, not hang
        });
        Press(button);
    }
    void Rename(const std::wstring& to) { Type(IDC_STORAGE_RENAME, IDC_RENAME_NAME, to); }
    void Rename(const std::string& to) { Rename(WidenAnsi(to)); }
    // A new hard file: sparse, or with every block written when `reserve`.
    void New(const std::wstring& path, const wchar_t* size, bool reserve = false)
    {
        TestApp().AnswerFileDialog(path);
        Type(IDC_STORAGE_NEW, IDC_HARDFILE_MB, size ? std::optional<std::wstring>(size) : std::nullopt,
             reserve ? IDC_HARDFILE_RESERVE : 0);
    }
    void New(const std::string& path, const wchar_t* size, bool reserve = false)
    {
        New(WidenAnsi(path), size, reserve);
    }

    TempFolder folder;
    std::unique_ptr<StorageOnSmallDisk> page;
    std::unique_ptr<SheetHarness> sheet;  // goes first: a page outlives the sheet that shows it
    std::string shown;
};

// The free space and the size asked for a new hard file: figures true beyond 32
// bits, arrows that reach beyond 16, and no more taken than is free.
TEST_F(StorageTest, HardFileSizesHoldBeyondThirtyTwoBitsAndWithinTheFreeSpace)
{
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 0xFFFFFFFFu), 16777215u);  // 16 TiB free
    for (auto [free, proposed] : {std::pair{149, 0}, {150, 100}, {299, 100}, {300, 150}, {599, 150}, {600, 300}})
        EXPECT_EQ(DefaultHardFileSizeMiB(free), proposed) << free << " MiB free";
    CHardFileSizeDlg dialog;
    dialog.m_nAvailable = 100000;
    OnNextModalDialog([](HWND hwnd) {
        ::SetDlgItemTextA(hwnd, IDC_HARDFILE_MB, "100001"), ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);  // refused
        ::SetDlgItemTextA(hwnd, IDC_HARDFILE_MB, "99999");
        for (int press = 0; press < 2; ++press) ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_MB, WM_KEYDOWN, VK_UP, 0);
        ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        if (::IsWindowVisible(hwnd)) ::SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);  // a failing test must end
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSize, 100000);  // the top holds
    EXPECT_EQ(TestApp().messageBoxes.size(), 1u);  // the first OK refused
    // A sparse file takes no room, so 16 GiB can be made anywhere: its length
    // holds beyond 32 bits and its last byte reads as zero.
    TempFolder folder;
    EXPECT_TRUE(WriteHardFile(folder.File("big.hfi"), 16384, false).sparse);
    EXPECT_EQ(HardFileFacts(folder.File("big.hfi")), "16384 MiB of zeros, 0 MiB taken");
}

TEST_F(StorageTest, WhatTheUserDoesReachesTheListTheVolumesAndTheDisk)
{
    const std::string limit = Box("You can only select up to 10 hard files.", MB_ICONINFORMATION | MB_OK);
    auto asked = [&](const char* letter) {
        return Box("Are you sure you want to delete '" + Path(letter) + "'?", MB_YESNO | MB_ICONQUESTION);
    };
    // Sparse files: 20 MiB, a byte short of 1 MiB, and 3 GiB, beyond a signed 32-bit size.
    for (auto [name, size] : {std::pair{"l.hfi", 20ull << 20}, {"m.hfi", 1048575ull}, {"n.hfi", 3ull << 30}})
        folder.CreateFileOfSize(name, size);
    // 260 characters: one more than the ANSI file calls take.
    const std::string tooLong = folder.path() + std::string(MAX_PATH - folder.path().size(), 'x');
    const std::wstring longer = WidenAnsi(folder.path() + std::string(MAX_PATH + 10 - folder.path().size(), 'y'));
    const std::wstring japan = L"\u65E5\u672C.hfi", tokyo = WidenAnsi(folder.path()) + L"\u6771\u4EAC.hfi";
    const std::wstring absent = WidenAnsi(folder.path()) + L"\u7121.hfi";
    for (const std::wstring& path : {longer, tokyo})
        unique_hfile(::CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string unusable = Box("This file cannot be used:\n" + NarrowToAnsi(absent) + "\n\nIts name or folder has "
        "characters that this system's character set cannot hold, or its path is too long, and its drive gives it no "
        "short name. Rename or move the file, then choose it again.", MB_ICONEXCLAMATION | MB_OK);
    // "Café" has an ANSI form; "Ā" has none but a look-alike, "A", which would
    // name another file: it is taken by its short name.
    const std::wstring cafe = WidenAnsi(folder.path()) + L"Caf\u00E9.hfi", foreign = WidenAnsi(folder.path()) + L"\u0100.hfi";
    std::vector<std::wstring> eight;
    for (char name = 'd'; name <= 'k'; ++name) eight.push_back(WidenAnsi(Path(std::string(1, name))));
    Run({
        {"ten checked: Add and New refused, an eleventh check undone; one unchecked makes room; a listed file is not added",
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, [&] {
             Press(IDC_STORAGE_ADD), Press(IDC_STORAGE_NEW), Toggle(10);
             Toggle(3), TestApp().AnswerFileDialog(folder.File("A.HFI")), Press(IDC_STORAGE_ADD);
             EXPECT_EQ(theHardFileList.GetCurSel(), 0);  // the entry of that file
             Toggle(10);
         }, "+a +b +c -d +e +f +g +h +i +j +k", true, {limit, limit, limit}, {"k"}},
        // Wine reports the deletion of a file that a program holds open but lets
        // go, while the file stays in view, as on a read-only mount.
        {"Delete asks, and takes off only what is gone on Yes; Remove takes off an entry, not its file",
         {"a", "b", "c", "d"}, [&] {
             const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
             unique_hfile held(::CreateFileA(Path("b").c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, {}));
             Delete(1, IDYES), held.reset(), ::DeleteFileA(Path("b").c_str());
             Click(1), Press(IDC_STORAGE_DELETE);  // gone: nothing to ask about
             Delete(0, IDNO), Delete(0, IDYES);
             Click(1, true), Press(IDC_STORAGE_REMOVE), Press(IDC_STORAGE_REMOVE);  // the second with none selected
             EXPECT_TRUE(!FileExists(Path("a")) && FileExists(Path("c")));
         }, "+~b +d", true, {asked("b"), asked("a"), asked("a")}},
        {"Rename refuses the same, no, a taken and an unreachable name, and ignores a drop; a long and a foreign name "
         "are stored short; a vanished file is not offered",
         {"a", "b", "c"}, [&] {
             Click(1);
             for (const std::string& refused : {Path("b"), std::string(), Path("c"), folder.File("no\\b.hfi")})
                 Rename(refused);
             OnNextModalDialog([&](HWND dialog) {  // behind the dialog
                 DropOnList(page->m_hWnd, {WidenAnsi(Path("k"))}), ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
             });
             Press(IDC_STORAGE_RENAME);
             EXPECT_FALSE(sheet->IsApplyEnabled());
             Rename(tooLong);
             EXPECT_EQ(shown, Path("b"));  // the entry, as the last dialog found it
             Click(0), Rename(japan);
             ::DeleteFileA(Path("c").c_str()), Click(2), Rename(Path("z")), ForgetModalAction();  // nothing to rename
             EXPECT_EQ(Text(IDC_HARDFILE_SIZE_TEXT), "Not found");
         }, "+" + ShortName(WidenAnsi(folder.path()) + japan) + " +" + ShortName(WidenAnsi(tooLong)) + " +~c", true, {}},
        {"Add takes a foreign name and a path of 260 characters and more by their short names, and says when none is",
         {}, [&] {
             for (const std::wstring& path : {tokyo, longer, absent}) TestApp().AnswerFileDialog(path), Press(IDC_STORAGE_ADD);
             DropOnList(page->m_hWnd, {tokyo});  // listed already
         }, "+" + ShortName(tokyo) + " +" + ShortName(longer), true, {unusable}},
        {"a relative name means the start folder after a file dialog moved away; Rename stays in the file's folder",
         {"a.hfi", folder.File("sub\\b.hfi")}, [&] {
             Click(1), Rename("p.hfi");  // a bare name
             EXPECT_EQ(shown, folder.File("sub\\b.hfi"));
             TestApp().AnswerFileDialog(folder.File("sub\\c.hfi")), Press(IDC_STORAGE_ADD);  // moves the current folder
             Click(0);
             EXPECT_EQ(Text(IDC_HARDFILE_SIZE_TEXT), " 0 MB");  // not the 5 MB of sub\a.hfi
             Delete(0, IDYES);
             Click(0), Rename("..\\q.hfi");  // a relative folder
             EXPECT_TRUE(FileExists(folder.File("sub\\a.hfi")) && !FileExists(Path("a")) && !FileExists(Path("p")));
         }, "+q +" + folder.File("sub\\c.hfi"), true, {asked("a")}},
        {"the spin moves the selected entry within the list", {"a", "b", "c"}, [&] {
             Click(1, true), sheet->PressApply();
             Click(0), Spin(true), Click(2), Spin(false);  // the first cannot go up, nor the last down
             Click(1), Spin(false);  // an unchecked entry moves without changing the volumes
             EXPECT_FALSE(sheet->IsApplyEnabled());
             Click(1), Spin(true);
         }, "+c +a -b", true, {}},
        {"every stored file stays in its place, checked, reachable or not; a selected one shows its size or Not found",
         {"l", "a", OnMissingDrive(), folder.path(), "", "COM1", "m", "n", "gone.hfi", "NUL"}, [&] {
             // Other programs write to this disk meanwhile: the figure is near today's.
             unsigned long long shown = 0;
             std::sscanf(Text(IDC_FREE_SPACE_TEXT).c_str(), " %llu", &shown);
             EXPECT_EQ(Text(IDC_FREE_SPACE_TEXT), " " + std::to_string(shown) + " MB available");
             EXPECT_NEAR(double(shown), double(*CurrentDriveFreeMiB()), 512.0);
             // As the running emulator holds its disks: open, shared with nobody.
             unique_hfile held(::CreateFileA(Path("a").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, {}));
             Rows sizes;
             for (int row = 0; row < 9; ++row) Click(row), sizes.push_back(Text(IDC_HARDFILE_SIZE_TEXT));
             EXPECT_EQ(sizes, (Rows{" 20 MB", " 0 MB", "Not found", "Not found", "Not found", " 0 MB", " 3072 MB",
                                    "Not found", "Not found"}));
         }, "+l +a +~" + OnMissingDrive() + " +~" + folder.path() + " +~COM1 +m +n +~gone.hfi +~NUL", false, {}},
        {"unchecked files are there the next time, after the checked ones, each once",
         {"a", "b", "c"}, [&] { Click(1, true), Reopen(); },
         "+a +c -b -d", false, {}, {"A.HFI", "d", "", "e"}},
        {"two drops: files that open join checked, the last selected, up to the limit", {"a"}, [&] {
             EXPECT_TRUE(::GetWindowLongA(theHardFileList.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
             ::MoveFileW(WidenAnsi(folder.CreateFileOfSize("3", 3 << 20)).c_str(), cafe.c_str());
             ::MoveFileW(WidenAnsi(folder.CreateFileOfSize("5", 5 << 20)).c_str(), foreign.c_str());
             DropOnList(page->m_hWnd, {WidenAnsi(Path("b")), WidenAnsi(folder.path()), cafe, foreign});  // a folder is skipped
             EXPECT_EQ(Text(IDC_HARDFILE_SIZE_TEXT), " 5 MB");
             Press(IDC_STORAGE_REMOVE), sheet->PressApply();
             // Of eight more, seven fit; the limit is said once, and not by a drop of nothing usable.
             eight.insert(eight.begin(), WidenAnsi(folder.File("B.HFI")));  // listed already: no room taken
             TestApp().whileMessageBox = [&] { DropOnList(page->m_hWnd, {WidenAnsi(Path("k"))}); };  // no second message
             DropOnList(page->m_hWnd, eight), DropOnList(page->m_hWnd, {WidenAnsi(folder.path())});
         }, "+a +b +" + folder.File("Caf\xE9.hfi") + " +d +e +f +g +h +i +j", true, {limit}},
        {"New replaces x up to a full disk; y sized 0, z cancelled, a cancelled file dialog, w on the full disk, a foreign "
         "name, a vanished folder, x again",
         {}, [&] {
             std::ofstream(Path("x"), std::ios::binary) << std::string(7 << 20, 'x');
             New(Path("x"), L"5", true);
             std::string made((std::istreambuf_iterator<char>(std::ifstream(Path("x"), std::ios::binary).rdbuf())), {});
             EXPECT_TRUE(made == std::string(1000 * 4096, '\0'));  // what fitted stays
             EXPECT_EQ(page->attempts, 1001);  // no write after the failed one
             EXPECT_TRUE(page->progress && !::IsWindow(page->progress) && ::IsWindowEnabled(sheet->hwnd()));
             EXPECT_EQ(CurrentDirectory(), folder.path());  // a file dialog's choice moves it
             New(Path("y"), L"0"), New(Path("z"), nullptr), Press(IDC_STORAGE_NEW);  // unanswered: cancelled
             EXPECT_FALSE(FileExists(Path("y")) || FileExists(Path("z")));
             New(Path("w"), L"1");  // made at once, sparse: the full disk is no matter
             New(WidenAnsi(folder.path()) + japan, L"1");
             New(folder.File("gone\\v.hfi"), L"1");  // nothing written, nothing said
             New(folder.File("X.HFI"), L"1");  // listed already: made anew, not listed again
             EXPECT_EQ(HardFileFacts(Path("x")), "1 MiB of zeros, 0 MiB taken");
         }, "+x +~y +~z +w +" + ShortName(WidenAnsi(folder.path()) + japan) + " +~" + folder.File("gone\\v.hfi"), true, {}},
        {"New: a sparse file by default, every block written when asked and where the disk has no sparse files; "
         "clicks on the sheet while blocks are written are dropped", {}, [&] {
             std::ofstream(Path("s"), std::ios::binary) << std::string(7 << 20, 'x');
             New(Path("s"), L"3");
             EXPECT_EQ(HardFileFacts(Path("s")), "3 MiB of zeros, 0 MiB taken");  // the old bytes gone too
             EXPECT_EQ(page->attempts, 0);
             page->meanwhile = [&] {
                 // The sheet as the size dialog leaves it, waiting to be repainted where the dialog was.
                 ::RedrawWindow(sheet->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
                 EXPECT_TRUE(ClickWithXServer(::GetDlgItem(sheet->hwnd(), IDCANCEL)));
             };
             New(Path("r"), L"2", true);
             EXPECT_FALSE(sheet->IsClosed());
             page->noSparseFiles = true, page->progress = nullptr;
             New(Path("f"), L"1");
             EXPECT_TRUE(page->progress && !::IsWindow(page->progress));
             EXPECT_EQ(page->attempts, 768);  // 256 blocks a MiB
             EXPECT_EQ(HardFileFacts(Path("r")), "2 MiB of zeros, 2 MiB taken");
             EXPECT_EQ(HardFileFacts(Path("f")), "1 MiB of zeros, 1 MiB taken");
         }, "+s +r +f", true, {}},
    });
}
