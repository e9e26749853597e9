// Files dropped from a file manager onto the Storage list: a real WM_DROPFILES
// with a DROPFILES block of wide paths, as the shell sends it.
#include "tests/pages/storage_support.h"
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

TEST_F(StorageTest, DroppedFilesJoinTheListCheckedUpToTheLimit)
{
    // "Café" has an ANSI form; "Ā" has none but a look-alike, "A", which would
    // name another file: it is taken by its short name.
    const std::wstring cafe = Wide(folder.path()) + L"Caf\u00E9.hfi", foreign = Wide(folder.path()) + L"\u0100.hfi";
    std::vector<std::wstring> eight;
    for (char letter = 'd'; letter <= 'k'; ++letter) eight.push_back(Wide(Path(letter)));
    Run({{"two drops", {"a"}, [&] {
              EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(hwnd, IDC_HARDFILE_LIST), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
              ::MoveFileW(Wide(folder.CreateFileOfSize("3", 3 << 20)).c_str(), cafe.c_str());
              ::MoveFileW(Wide(folder.CreateFileOfSize("5", 5 << 20)).c_str(), foreign.c_str());
              // The folder and the missing file are skipped; the last, selected, shows its size.
              DropOnList(hwnd, {Wide(Path('b')), Wide(folder.path()), Wide(folder.File("gone.hfi")), cafe, foreign});
              EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 5 MB");
              Press(IDC_STORAGE_REMOVE);
              // Of eight more, seven fit; the limit is said once, and not by a drop of nothing usable.
              DropOnList(hwnd, eight), DropOnList(hwnd, {Wide(folder.path())});
              EXPECT_EQ(CurrentDirectory(), start);
          }, "+a +b +" + folder.File("Caf\xE9.hfi") + " +d +e +f +g +h +i +j", true,
          {Box("You can only select up to 10 hard files.", MB_ICONINFORMATION | MB_OK)}}});
    for (const std::wstring& path : {cafe, foreign}) ::DeleteFileW(path.c_str());  // the ANSI clean-up misses them
}
