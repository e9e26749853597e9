// The Storage page on a real sheet: the stored list, the limit of ten checked
// entries, the file operations and the volumes written on Apply.
#include "framework/handles.h"
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "res/dlg_rename_file.h"
#include "res/dlg_storage.h"
#include "tests/pages/storage_support.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <climits>
#include <functional>

namespace {
Rows Padded(Rows values)
{
    values.resize(10);
    return values;
}

}  // namespace

TEST(StorageFigures, AreTrueBeyondThirtyTwoBits)
{
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 1000), 3u);  // 3.9 MiB rounds down
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 0xFFFFFFFFu), 16777215u);  // 16 TiB free
    EXPECT_EQ(ClampToIntMiB(1ull << 40), INT_MAX);
    EXPECT_EQ(FreeSpaceText(812), " 812 MB available");
}

TEST_F(StoragePageTest, ListsStoredFilesThatOpenAndApplyCompactsThem)
{
    StoreVolumes({"", b, folder.File("gone.hfi"), std::string(300, 'x'), folder.path(), a, "", "", "", c});
    Open();
    EXPECT_EQ(ListRows(), (Rows{"+" + b, "+" + a, "+" + c}));
    EXPECT_EQ(page->m_nChecked, 3);
    EXPECT_EQ(theHardFileList.GetItemHeight(0), 20);
    std::string freeSpace = ControlText(hwnd, IDC_FREE_SPACE_TEXT);
    EXPECT_EQ(freeSpace.find_first_not_of("0123456789", 1), freeSpace.find(" MB available"));
    EXPECT_FALSE(sheet->IsApplyEnabled());
    sheet->PressOK();
    EXPECT_EQ(StoredVolumes(), Padded({b, a, c}));
}

TEST_F(StoragePageTest, AnEmptyListAppliesTenEmptyStrings)
{
    Open();
    sheet->PressApply();
    EXPECT_EQ(StoredVolumes(), Padded({}));
}

TEST_F(StoragePageTest, ApplySkipsUncheckedEntriesAndKeepsDuplicates)
{
    StoreVolumes({a, b, c});
    Open();
    ClickCheckBox(hwnd, 1);
    TestApp().AnswerFileDialog(a);
    ClickButton(hwnd, IDC_STORAGE_ADD);
    EXPECT_EQ(TestApp().fileDialogs.at(0).title, "Select Hard File");
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "-" + b, "+" + c, "+" + a}));
    sheet->PressApply();
    EXPECT_EQ(StoredVolumes(), Padded({a, c, a}));
}

TEST_F(StoragePageTest, NoMoreThanTenEntriesCanBeChecked)
{
    Rows ten;
    for (int n = 0; n < 10; ++n) ten.push_back(NewFile(std::to_string(n) + ".hfi"));
    StoreVolumes(ten);
    Open();
    ClickButton(hwnd, IDC_STORAGE_ADD);
    ClickButton(hwnd, IDC_STORAGE_NEW);
    EXPECT_TRUE(TestApp().fileDialogs.empty());
    ASSERT_EQ(TestApp().messageBoxes.size(), 2u);
    EXPECT_EQ(TestApp().messageBoxes[1].text, "You can only select up to 10 hard files.");
    EXPECT_EQ(TestApp().messageBoxes[1].type, UINT(MB_ICONINFORMATION | MB_OK));

    // The space bar on the selected row unchecks it, which makes room for one more.
    ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, LB_SETCURSEL, 3, 0);
    ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0);
    TestApp().AnswerFileDialog(a);
    ClickButton(hwnd, IDC_STORAGE_ADD);
    ClickCheckBox(hwnd, 3);  // the eleventh check is undone
    EXPECT_EQ(ListRows()[3][0], '-');
    EXPECT_EQ(TestApp().messageBoxes.size(), 3u);
    ClickCheckBox(hwnd, 0);
    ClickCheckBox(hwnd, 3);
    EXPECT_EQ(ListRows()[3][0], '+');
    EXPECT_EQ(page->m_nChecked, 10);
    EXPECT_EQ(TestApp().messageBoxes.size(), 3u);
}

TEST_F(StoragePageTest, SpaceWithNoRowSelectedCountsTheRowItToggles)
{
    StoreVolumes({a, b});
    Open();  // nothing selected yet: the space bar toggles the focused first row
    ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(ListRows(), (Rows{"-" + a, "+" + b}));
    EXPECT_EQ(page->m_nChecked, 1);
    EXPECT_TRUE(sheet->IsApplyEnabled());
    ClickButton(hwnd, IDC_STORAGE_REMOVE);  // leaves no row selected again
    ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(ListRows(), (Rows{"-" + b}));
    EXPECT_EQ(page->m_nChecked, 0);
}

TEST_F(StoragePageTest, RemoveAndDeleteTakeEntriesOff)
{
    StoreVolumes({a, b, c});
    Open();
    ClickRow(hwnd, 0);
    TestApp().AnswerMessageBox(IDNO);
    ClickButton(hwnd, IDC_STORAGE_DELETE);
    EXPECT_EQ(TestApp().messageBoxes.at(0).text, "Are you sure you want to delete '" + a + "'?");
    EXPECT_EQ(TestApp().messageBoxes.at(0).type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ListRows().size(), 3u);
    EXPECT_FALSE(sheet->IsApplyEnabled());

    TestApp().AnswerMessageBox(IDYES);
    ClickButton(hwnd, IDC_STORAGE_DELETE);
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(ListRows(), (Rows{"+" + b, "+" + c}));
    EXPECT_TRUE(sheet->IsApplyEnabled());

    ClickCheckBox(hwnd, 0);
    ClickCheckBox(hwnd, 1);
    ClickButton(hwnd, IDC_STORAGE_REMOVE);  // unchecked, with nothing checked
    ClickButton(hwnd, IDC_STORAGE_REMOVE);  // no selection left: nothing happens
    EXPECT_EQ(ListRows(), (Rows{"-" + b}));
    EXPECT_EQ(page->m_nChecked, 0);
    EXPECT_TRUE(FileExists(c));
}

TEST_F(StoragePageTest, RenameMovesTheFileAndKeepsTheEntryInPlace)
{
    StoreVolumes({a, b, c});
    Open();
    ClickCheckBox(hwnd, 2);
    sheet->PressApply();
    ClickRow(hwnd, 1);
    std::string shown;
    for (const std::string& refused : {b, std::string(), c, folder.File("no-such\\b.hfi")}) RenameTo(hwnd, refused, &shown);
    EXPECT_EQ(shown, b);
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + b, "-" + c}));
    EXPECT_FALSE(sheet->IsApplyEnabled());

    // 259 characters: the longest path Windows takes.
    std::string renamed = folder.path() + std::string(MAX_PATH - 5 - folder.path().size(), 'r') + ".hfi";
    RenameTo(hwnd, renamed);
    EXPECT_TRUE(FileExists(renamed) && !FileExists(b));
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + renamed, "-" + c}));
    EXPECT_TRUE(sheet->IsApplyEnabled());
}

TEST_F(StoragePageTest, FileOperationsTheSystemRefusesChangeNothingAndSayNothing)
{
    // The listed files p and q sit in a folder of their own, which can vanish.
    const std::string sub = folder.File("sub\\"), p = sub + "p.hfi", q = sub + "q.hfi";
    const std::string limit = folder.path() + std::string(MAX_PATH - folder.path().size(), 'x');  // 260 characters
    auto unlist = [&] { ::DeleteFileA(q.c_str()); };
    auto vanish = [&] { ::DeleteFileA(p.c_str()), unlist(), ::RemoveDirectoryA(sub.c_str()); };
    auto readOnly = [&] { ::SetFileAttributesA(q.c_str(), FILE_ATTRIBUTE_READONLY); };
    // Wine then reports a deletion that leaves the file in view, as on a read-only mount.
    unique_hfile held;
    auto holdLettingGo = [&] {
        held.reset(::CreateFileA(q.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
    };
    const struct { std::string op, fault; std::function<void()> behindTheBack; std::string target; } rows[] = {
        {"Rename", "file deleted after it was listed", unlist, sub + "r.hfi"},
        {"Rename", "folder vanished", vanish, sub + "r.hfi"},
        {"Rename", "target of 260 characters", {}, limit},
        {"Rename", "target of 261 characters", {}, limit + "x"},
        {"Rename", "target of 5000 characters", {}, limit + std::string(4740, 'x')},
        {"Delete", "file deleted after it was listed", unlist, ""},
        {"Delete", "folder vanished", vanish, ""},
        {"Delete", "read-only file", readOnly, ""},
        {"Delete", "file held open by a program that lets it go", holdLettingGo, ""},
        {"New", "folder vanished", vanish, sub + "new.hfi"},
        {"New", "target of 260 characters", {}, limit},
        {"New", "target of 261 characters", {}, limit + "x"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.op + ", " + r.fault);
        ::CreateDirectoryA(sub.c_str(), nullptr);
        ::SetFileAttributesA(q.c_str(), FILE_ATTRIBUTE_NORMAL);
        StoreVolumes({NewFile("sub\\p.hfi"), NewFile("sub\\q.hfi")});
        TestApp().ResetScript();
        Open();
        ClickRow(hwnd, 1);
        if (r.behindTheBack) r.behindTheBack();
        const bool qWasThere = FileExists(q);
        Rows expected = ListRows();
        if (r.op == "Rename") RenameTo(hwnd, r.target);
        if (r.op == "Delete") TestApp().AnswerMessageBox(IDYES), ClickButton(hwnd, IDC_STORAGE_DELETE);
        if (r.op == "New") NewHardFile(hwnd, r.target, "1"), expected.push_back("+" + r.target);  // stays, written or not
        EXPECT_EQ(ListRows(), expected);
        EXPECT_EQ(FileExists(q), qWasThere);
        EXPECT_FALSE(FileExists(r.target));
        EXPECT_EQ(TestApp().messageBoxes.size(), r.op == "Delete" ? 1u : 0u);
        EXPECT_EQ(sheet->IsApplyEnabled(), r.op == "New");
        EXPECT_EQ(::FindWindowA(nullptr, "Creating Hard File"), nullptr);
        held.reset();
    }
    ::SetFileAttributesA(q.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StoragePageTest, SpinMovesTheSelectedEntryWithinTheList)
{
    StoreVolumes({a, b, c});
    Open();
    ClickCheckBox(hwnd, 1);
    sheet->PressApply();
    ClickRow(hwnd, 0);
    ClickSpin(hwnd, true);  // the first entry cannot go up
    ClickRow(hwnd, 2);
    ClickSpin(hwnd, false);  // nor the last one down
    ClickRow(hwnd, 1);
    ClickSpin(hwnd, false);  // an unchecked entry does not change the volumes
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + c, "-" + b}));
    EXPECT_FALSE(sheet->IsApplyEnabled());

    ClickRow(hwnd, 1);
    ClickSpin(hwnd, true);
    EXPECT_EQ(ListRows(), (Rows{"+" + c, "+" + a, "-" + b}));
    EXPECT_EQ(theHardFileList.GetCurSel(), 0);
    sheet->PressOK();
    EXPECT_EQ(StoredVolumes(), Padded({c, a}));
}

TEST_F(StoragePageTest, SelectingAnEntryShowsItsSizeInWholeMegabytes)
{
    // Sparse files: the 3 GiB one needs no disk space.
    StoreVolumes({NewFile("20.hfi", 20ull << 20), NewFile("almost.hfi", 1048575), NewFile("3g.hfi", 3ull << 30)});
    Open();
    Rows shown;
    for (int row = 0; row < 3; ++row) {
        ClickRow(hwnd, row);
        shown.push_back(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT));
    }
    EXPECT_EQ(shown, (Rows{" 20 MB", " 0 MB", " 3072 MB"}));
}
