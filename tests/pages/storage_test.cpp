// The Storage page on a real sheet: the stored list, the limit of ten checked
// entries, the file operations and the volumes written on Apply.
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "pages/storage.h"
#include "res/dlg_rename_file.h"
#include "res/dlg_storage.h"
#include "framework/handles.h"
#include "tests/pages/storage_support.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_app.h"
#include <climits>
#include <gtest/gtest.h>

namespace {

class StoragePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteCompanyKey();
        TestApp().ResetScript();
        m_startFolder = CurrentDirectory();
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryA(m_startFolder.c_str());
        DeleteCompanyKey();
    }

    std::string NewFile(const std::string& name, unsigned long long size = 16) { return folder.CreateFileOfSize(name, size); }
    static void StoreVolume(int n, const std::string& path) { WriteStringSetting("Volume" + std::to_string(n), path); }
    static Rows StoredVolumes()
    {
        Rows values;
        for (int n = 0; n < 10; ++n) values.push_back(ReadStringSetting("Volume" + std::to_string(n)).value_or("<absent>"));
        return values;
    }
    static void RenameTo(HWND page, const std::string& text, std::string* shown = nullptr)
    {
        OnNextModalDialog([text, shown](HWND dialog) {
            if (shown) *shown = ControlText(dialog, IDC_RENAME_NAME);
            ::SetDlgItemTextA(dialog, IDC_RENAME_NAME, text.c_str());
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ClickButton(page, IDC_STORAGE_RENAME);
    }

    TempFolder folder;
    std::string m_startFolder;
};

const char kLimitText[] = "You can only select up to 10 hard files.";

}  // namespace

TEST(StorageFigures, AreTrueBeyondThirtyTwoBits)
{
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 1000), 3u);             // 3.9 MiB rounds down
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 0xFFFFFFFFu), 16777215u);  // a 16 TiB drive
    EXPECT_EQ(ClampToIntMiB(1ull << 40), INT_MAX);
    EXPECT_EQ(ClampToIntMiB(72000), 72000);
    EXPECT_EQ(FileSizeText(5ull << 30), " 5120 MB");
    EXPECT_EQ(FreeSpaceText(812), " 812 MB available");
}

TEST_F(StoragePageTest, ListsStoredFilesThatOpenAndApplyCompactsThem)
{
    std::string a = NewFile("a.hfi"), b = NewFile("b.hfi"), c = NewFile("c.hfi");
    StoreVolume(0, "");
    StoreVolume(1, b);
    StoreVolume(2, folder.File("gone.hfi"));
    StoreVolume(3, std::string(300, 'x'));
    StoreVolume(4, folder.path());  // a folder does not open as a file
    StoreVolume(5, a);
    StoreVolume(9, c);

    CStorage page;
    SheetHarness sheet({&page});
    EXPECT_EQ(ListRows(), (Rows{"+" + b, "+" + a, "+" + c}));
    EXPECT_EQ(page.m_nChecked, 3);
    EXPECT_EQ(theHardFileList.GetItemHeight(0), 20);
    EXPECT_EQ(ControlText(page.m_hWnd, IDC_HARDFILE_SIZE_TEXT), "");
    std::string freeSpace = ControlText(page.m_hWnd, IDC_FREE_SPACE_TEXT);
    EXPECT_EQ(freeSpace.find_first_not_of("0123456789", 1), freeSpace.find(" MB available"));
    EXPECT_FALSE(sheet.IsApplyEnabled());

    sheet.PressOK();
    EXPECT_EQ(StoredVolumes(), (Rows{b, a, c, "", "", "", "", "", "", ""}));
}

TEST_F(StoragePageTest, ApplySkipsUncheckedEntriesKeepsDuplicatesAndFillsEmptySlots)
{
    {
        CStorage page;
        SheetHarness sheet({&page});
        EXPECT_EQ(ListRows(), Rows{});
        sheet.PressApply();
        EXPECT_EQ(StoredVolumes(), Rows(10, ""));
    }
    std::string x = NewFile("x.hfi"), y = NewFile("y.hfi"), z = NewFile("z.hfi");
    StoreVolume(0, x);
    StoreVolume(1, y);
    StoreVolume(2, z);
    CStorage page;
    SheetHarness sheet({&page});
    ClickCheckBox(page.m_hWnd, 1);
    EXPECT_EQ(ListRows(), (Rows{"+" + x, "-" + y, "+" + z}));
    EXPECT_TRUE(sheet.IsApplyEnabled());
    TestApp().AnswerFileDialog(x);
    ClickButton(page.m_hWnd, IDC_STORAGE_ADD);
    sheet.PressApply();
    EXPECT_EQ(StoredVolumes(), (Rows{x, z, x, "", "", "", "", "", "", ""}));

    ASSERT_EQ(TestApp().fileDialogs.size(), 1u);
    const FileDialogRecord& asked = TestApp().fileDialogs[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.title, "Select Hard File");
    EXPECT_EQ(asked.filter, "Hard Files (*.hf?)|*.hf?|All Files (*.*)|*.*||");
    EXPECT_EQ(asked.fileName, "Korvex.hfi");
    EXPECT_EQ(asked.flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(CurrentDirectory(), folder.path());
}

TEST_F(StoragePageTest, NoMoreThanTenEntriesCanBeChecked)
{
    for (int n = 0; n < 10; ++n) StoreVolume(n, NewFile("f" + std::to_string(n) + ".hfi"));
    std::string extra = NewFile("extra.hfi");
    CStorage page;
    SheetHarness sheet({&page});
    ASSERT_EQ(page.m_nChecked, 10);

    ClickButton(page.m_hWnd, IDC_STORAGE_ADD);
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);
    EXPECT_TRUE(TestApp().fileDialogs.empty());
    ASSERT_EQ(TestApp().messageBoxes.size(), 2u);
    EXPECT_EQ(TestApp().messageBoxes[1].text, kLimitText);
    EXPECT_EQ(TestApp().messageBoxes[1].type, UINT(MB_ICONINFORMATION | MB_OK));

    // Space bar on the focused row unchecks it; that frees room for one more.
    ::SendDlgItemMessageA(page.m_hWnd, IDC_HARDFILE_LIST, LB_SETCURSEL, 3, 0);
    ::SendDlgItemMessageA(page.m_hWnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(page.m_nChecked, 9);
    TestApp().AnswerFileDialog(extra);
    ClickButton(page.m_hWnd, IDC_STORAGE_ADD);
    EXPECT_EQ(ListRows().back(), "+" + extra);
    EXPECT_EQ(page.m_nChecked, 10);

    TestApp().ResetScript();
    ClickCheckBox(page.m_hWnd, 3);  // the eleventh check is undone
    EXPECT_EQ(ListRows()[3][0], '-');
    EXPECT_EQ(page.m_nChecked, 10);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, kLimitText);

    ClickCheckBox(page.m_hWnd, 0);
    ClickCheckBox(page.m_hWnd, 3);
    EXPECT_EQ(ListRows()[0][0], '-');
    EXPECT_EQ(ListRows()[3][0], '+');
    EXPECT_EQ(page.m_nChecked, 10);
    EXPECT_EQ(TestApp().messageBoxes.size(), 1u);
}

TEST_F(StoragePageTest, RemoveAndDeleteTakeEntriesOff)
{
    std::string a = NewFile("a.hfi"), b = NewFile("b.hfi"), c = NewFile("c.hfi");
    StoreVolume(0, a);
    StoreVolume(1, b);
    StoreVolume(2, c);
    CStorage page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;

    ClickRow(hwnd, 0);
    TestApp().AnswerMessageBox(IDNO);
    ClickButton(hwnd, IDC_STORAGE_DELETE);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "Are you sure you want to delete '" + a + "'?");
    EXPECT_EQ(TestApp().messageBoxes[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(FileExists(a));
    EXPECT_EQ(ListRows().size(), 3u);

    {   // held open without sharing, the file cannot be deleted: nothing changes
        unique_hfile held(::CreateFileA(a.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        TestApp().AnswerMessageBox(IDYES);
        ClickButton(hwnd, IDC_STORAGE_DELETE);
    }
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + b, "+" + c}));
    EXPECT_FALSE(sheet.IsApplyEnabled());

    TestApp().AnswerMessageBox(IDYES);
    ClickButton(hwnd, IDC_STORAGE_DELETE);
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(ListRows(), (Rows{"+" + b, "+" + c}));
    EXPECT_EQ(page.m_nChecked, 2);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    EXPECT_EQ(theHardFileList.GetCurSel(), -1);

    ClickCheckBox(hwnd, 1);
    ClickCheckBox(hwnd, 0);
    ClickRow(hwnd, 1);
    ClickButton(hwnd, IDC_STORAGE_REMOVE);  // unchecked, with nothing checked
    EXPECT_EQ(ListRows(), (Rows{"-" + b}));
    EXPECT_EQ(page.m_nChecked, 0);
    EXPECT_TRUE(FileExists(c));
    ClickButton(hwnd, IDC_STORAGE_REMOVE);  // no selection left: nothing happens
    EXPECT_EQ(ListRows().size(), 1u);
}

TEST_F(StoragePageTest, RenameMovesTheFileAndKeepsTheEntryInPlace)
{
    std::string a = NewFile("a.hfi"), b = NewFile("b.hfi"), c = NewFile("c.hfi");
    StoreVolume(0, a);
    StoreVolume(1, b);
    StoreVolume(2, c);
    CStorage page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;
    ClickCheckBox(hwnd, 2);
    sheet.PressApply();

    ClickRow(hwnd, 1);
    std::string shown;
    RenameTo(hwnd, b, &shown);
    EXPECT_EQ(shown, b);
    RenameTo(hwnd, "");
    RenameTo(hwnd, c);                                 // the target exists
    RenameTo(hwnd, folder.File("no-such\\b.hfi"));     // the folder does not
    RenameTo(hwnd, folder.File(std::string(300, 'n')));  // too long a path
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + b, "-" + c}));
    EXPECT_TRUE(FileExists(b));
    EXPECT_FALSE(sheet.IsApplyEnabled());

    std::string renamed = folder.File("renamed.hfi");
    RenameTo(hwnd, renamed);
    EXPECT_FALSE(FileExists(b));
    EXPECT_TRUE(FileExists(renamed));
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + renamed, "-" + c}));
    EXPECT_EQ(theHardFileList.GetCurSel(), -1);
    EXPECT_TRUE(sheet.IsApplyEnabled());

    sheet.PressApply();
    ClickRow(hwnd, 2);
    RenameTo(hwnd, folder.File("C.HFI"));  // a change of case is a change; unchecked: nothing to apply
    EXPECT_EQ(ListRows()[2], "-" + folder.File("C.HFI"));
    EXPECT_FALSE(sheet.IsApplyEnabled());
    EXPECT_TRUE(TestApp().messageBoxes.empty());
}

TEST_F(StoragePageTest, SpinMovesTheSelectedEntryWithinTheList)
{
    std::string a = NewFile("a.hfi"), b = NewFile("b.hfi"), c = NewFile("c.hfi");
    StoreVolume(0, a);
    StoreVolume(1, b);
    StoreVolume(2, c);
    CStorage page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;
    ClickCheckBox(hwnd, 1);
    sheet.PressApply();

    ClickRow(hwnd, 0);
    ClickSpin(hwnd, true);  // first entry, upper arrow: stays
    ClickRow(hwnd, 2);
    ClickSpin(hwnd, false);  // last entry, lower arrow: stays
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "-" + b, "+" + c}));
    EXPECT_FALSE(sheet.IsApplyEnabled());

    ClickRow(hwnd, 1);
    ClickSpin(hwnd, false);  // unchecked entry: the volumes do not change
    EXPECT_EQ(ListRows(), (Rows{"+" + a, "+" + c, "-" + b}));
    EXPECT_EQ(theHardFileList.GetCurSel(), 2);
    EXPECT_FALSE(sheet.IsApplyEnabled());

    ClickRow(hwnd, 1);
    ClickSpin(hwnd, true);
    EXPECT_EQ(ListRows(), (Rows{"+" + c, "+" + a, "-" + b}));
    EXPECT_EQ(theHardFileList.GetCurSel(), 0);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    sheet.PressOK();
    EXPECT_EQ(StoredVolumes(), (Rows{c, a, "", "", "", "", "", "", "", ""}));
}

TEST_F(StoragePageTest, SelectingAnEntryShowsItsSizeInWholeMegabytes)
{
    std::string twenty = NewFile("twenty.hfi", 20ull << 20);
    std::string almost = NewFile("almost.hfi", 1048575);
    std::string large = NewFile("large.hfi", 3ull << 30);  // sparse: no disk space needed
    StoreVolume(0, twenty);
    StoreVolume(1, almost);
    StoreVolume(2, large);
    CStorage page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;

    ClickRow(hwnd, 0);
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 20 MB");
    ClickRow(hwnd, 1);
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 0 MB");
    ClickRow(hwnd, 2);
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 3072 MB");

    ::DeleteFileA(twenty.c_str());
    ClickRow(hwnd, 0);  // no longer opens: the field keeps its text
    EXPECT_EQ(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT), " 3072 MB");
    EXPECT_FALSE(sheet.IsApplyEnabled());
}
