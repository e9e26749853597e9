// Files dropped from a file manager onto the Storage page's list: a real
// WM_DROPFILES with a DROPFILES block of wide paths, as the shell sends it.
#include "framework/handles.h"
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "res/dlg_storage.h"
#include "tests/pages/storage_support.h"
#include "tests/support/test_app.h"
#include <shlobj.h>
#include <cstring>

namespace {
using WidePaths = std::vector<std::wstring>;

// The list frees the block (DragFinish), as the receiver of a drop does.
void DropOnList(HWND page, const WidePaths& paths)
{
    size_t chars = 1;  // the empty string that ends the list
    for (const std::wstring& path : paths) chars += path.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        text += path.size() + 1;
    }
    ::GlobalUnlock(block);
    ::SendDlgItemMessageW(page, IDC_HARDFILE_LIST, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
    PumpMessages();
}

std::wstring NewWideFile(const TempFolder& folder, const std::wstring& name, LONGLONG size)
{
    std::wstring path = WidePath(folder.path()) + name;
    unique_hfile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = size;
    ::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file.get());
    return path;
}
}  // namespace

TEST_F(StoragePageTest, DroppedFilesAreAddedCheckedAndTheCurrentDirectoryStays)
{
    StoreVolumes({a});
    Open();
    const std::string startFolder = CurrentDirectory();
    ASSERT_NE(startFolder, folder.path());
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(hwnd, IDC_HARDFILE_LIST), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    // The code page spells "Café" but not the second name, which is reached
    // through its short name; the folder and the missing file are skipped.
    std::wstring cafe = NewWideFile(folder, L"Caf\u00E9.hfi", 3 << 20);
    std::wstring foreign = NewWideFile(folder, L"\u4E2D\u05E9.hfi", 5 << 20);
    DropOnList(hwnd, {WidePath(b), WidePath(folder.path()), WidePath(folder.File("gone.hfi")), cafe, foreign});

    Rows rows = ListRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Rows(rows.begin(), rows.begin() + 3), (Rows{"+" + a, "+" + b, "+" + folder.File("Caf\xE9.hfi")}));
    std::string shortPath = rows[3].substr(1);
    EXPECT_EQ(rows[3][0], '+');
    EXPECT_EQ(FileLength(shortPath), 5u << 20) << shortPath;
    EXPECT_EQ(theHardFileList.GetCurSel(), 3);
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 5 MB");
    EXPECT_EQ(page->m_nChecked, 4);
    EXPECT_EQ(CurrentDirectory(), startFolder);
    EXPECT_TRUE(TestApp().messageBoxes.empty());

    sheet->PressApply();
    DropOnList(hwnd, {WidePath(folder.path())});  // nothing usable: no change
    EXPECT_FALSE(sheet->IsApplyEnabled());
    EXPECT_EQ(ListRows().size(), 4u);
}

TEST_F(StoragePageTest, ADropOfTwelveFillsTheListToTheLimitAndSaysSoOnce)
{
    Open();
    WidePaths twelve;
    Rows expected;
    for (int n = 0; n < 12; ++n) {
        std::string path = NewFile("d" + std::to_string(n) + ".hfi");
        twelve.push_back(WidePath(path));
        if (n < 10) expected.push_back("+" + path);
    }
    DropOnList(hwnd, twelve);
    DropOnList(hwnd, {WidePath(folder.path())});  // full, but nothing usable: not told again
    EXPECT_EQ(ListRows(), expected);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "You can only select up to 10 hard files.");
    EXPECT_TRUE(sheet->IsApplyEnabled());

    // An unchecked entry makes room for one more checked one, and no more.
    ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, LB_SETTOPINDEX, 0, 0);  // the drop showed the last row
    ClickCheckBox(hwnd, 0);
    DropOnList(hwnd, {twelve[10], twelve[11]});
    expected[0][0] = '-';
    expected.push_back("+" + folder.File("d10.hfi"));
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(page->m_nChecked, 10);
    EXPECT_EQ(TestApp().messageBoxes.size(), 2u);
}
