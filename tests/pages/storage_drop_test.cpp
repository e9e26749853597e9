// Files dropped from a file manager onto the Storage list: a real WM_DROPFILES
// with a DROPFILES block of wide paths, as the shell sends it.
#include "res/dlg_storage.h"
#include "tests/pages/storage_support.h"
#include "tests/support/test_app.h"
#include <shlobj.h>

namespace {
std::wstring Wide(const std::string& asciiPath) { return {asciiPath.begin(), asciiPath.end()}; }

// The list frees the block with DragFinish, as the receiver of a drop does.
void DropOnList(HWND page, const std::vector<std::wstring>& paths)
{
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    *header = {sizeof(DROPFILES), {}, FALSE, TRUE};
    names.copy(reinterpret_cast<wchar_t*>(header + 1), names.size());  // GHND zeroed the final L'\0'
    ::GlobalUnlock(block);
    ::SendDlgItemMessageW(page, IDC_HARDFILE_LIST, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}
}  // namespace

TEST_F(StoragePageTest, DroppedFilesJoinTheListCheckedUpToTheLimit)
{
    StoreVolumes({a});
    Open();
    const std::string startFolder = CurrentDirectory();
    // "Café" has an ANSI form; the other name has none and is taken by its
    // short name. The folder and the missing file are skipped.
    std::wstring cafe = Wide(folder.path()) + L"Caf\u00E9.hfi", foreign = Wide(folder.path()) + L"\u4E2D\u05E9.hfi";
    ::MoveFileW(Wide(NewFile("3", 3 << 20)).c_str(), cafe.c_str());
    ::MoveFileW(Wide(NewFile("5", 5 << 20)).c_str(), foreign.c_str());
    DropOnList(hwnd, {Wide(b), Wide(folder.path()), Wide(folder.File("gone.hfi")), cafe, foreign});

    Rows rows = ListRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Rows(rows.begin(), rows.begin() + 3), (Rows{"+" + a, "+" + b, "+" + folder.File("Caf\xE9.hfi")}));
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 5 MB");  // the last, selected, opens by its short name
    EXPECT_EQ(CurrentDirectory(), startFolder);
    EXPECT_TRUE(sheet->IsApplyEnabled());
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(hwnd, IDC_HARDFILE_LIST), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    // Of twelve more, six fit; the limit is said once, and not by a later drop of nothing usable.
    std::vector<std::wstring> twelve;
    for (int n = 0; n < 12; ++n) twelve.push_back(Wide(NewFile("d" + std::to_string(n))));
    DropOnList(hwnd, twelve);
    DropOnList(hwnd, {Wide(folder.path())});
    EXPECT_EQ(ListRows().size(), 10u);
    EXPECT_EQ(page->m_nChecked, 10);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "You can only select up to 10 hard files.");
    for (const std::wstring& path : {cafe, foreign}) ::DeleteFileW(path.c_str());  // the ANSI clean-up misses them
}
