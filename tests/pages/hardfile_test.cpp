// Creating a hard file: the size dialog, the writing routine and the New button.
#include "pages/hardfile_size_dlg.h"
#include "pages/hardfile_writer.h"
#include "pages/storage.h"
#include "framework/handles.h"
#include "res/dlg_hardfile_size.h"
#include "res/dlg_storage.h"
#include "tests/pages/storage_support.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_app.h"
#include <gtest/gtest.h>

namespace {
constexpr long long kMiB = 1048576;

// OK, and Cancel after it when OK was refused: a failing test must end, not hang.
void PressOKOrGiveUp(HWND dialog)
{
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    if (::IsWindowVisible(dialog)) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void PressKey(HWND control, WPARAM key)
{
    ::SendMessageA(control, WM_KEYDOWN, key, 0);
    ::SendMessageA(control, WM_KEYUP, key, 0);
}

// Answers the Hard File Size dialog with `size` (nothing typed when empty), or cancels it.
void AnswerSizeDialog(const std::string& size, bool ok = true)
{
    OnNextModalDialog([size, ok](HWND dialog) {
        if (!size.empty()) ::SetDlgItemTextA(dialog, IDC_HARDFILE_MB, size.c_str());
        if (ok)
            PressOKOrGiveUp(dialog);
        else
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// A Storage page whose disk fills up after `blocksThatFit` blocks, and which
// notes what the screen showed while the file was written.
class StorageOnSmallDisk : public CStorage {
public:
    explicit StorageOnSmallDisk(uint64_t blocksThatFit) : m_blocksThatFit(blocksThatFit) {}
    int attempts = 0;
    bool sheetWasDisabled = false;
    bool progressWasShown = false;

protected:
    bool WriteHardFileBlock(HANDLE file, const void* block, DWORD size) override
    {
        if (attempts++ == 0) {
            sheetWasDisabled = !::IsWindowEnabled(::GetAncestor(m_hWnd, GA_ROOT));
            progressWasShown = ::IsWindowVisible(::FindWindowA(nullptr, "Creating Hard File")) != FALSE;
        }
        return static_cast<uint64_t>(attempts) <= m_blocksThatFit && CStorage::WriteHardFileBlock(file, block, size);
    }

private:
    uint64_t m_blocksThatFit;
};

class HardFileCreationTest : public ::testing::Test {
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

    TempFolder folder;
    std::string m_startFolder;
};

}  // namespace

TEST(HardFileSize, DefaultFollowsTheFreeSpaceTable)
{
    EXPECT_EQ(DefaultHardFileSizeMiB(0), 0);
    EXPECT_EQ(DefaultHardFileSizeMiB(149), 0);
    EXPECT_EQ(DefaultHardFileSizeMiB(150), 100);
    EXPECT_EQ(DefaultHardFileSizeMiB(299), 100);
    EXPECT_EQ(DefaultHardFileSizeMiB(300), 150);
    EXPECT_EQ(DefaultHardFileSizeMiB(599), 150);
    EXPECT_EQ(DefaultHardFileSizeMiB(600), 300);
    EXPECT_EQ(DefaultHardFileSizeMiB(INT_MAX), 300);
}

TEST(HardFileSize, DialogStepsBeyondSixteenBitsAndRefusesMoreThanIsFree)
{
    TestApp().ResetScript();
    CHardFileSizeDlg dialog;
    EXPECT_EQ(dialog.m_nSize, DefaultHardFileSizeMiB(dialog.m_nAvailable));
    dialog.m_nAvailable = 100000;
    dialog.m_nSize = 40000;
    std::vector<std::string> seen;
    OnNextModalDialog([&seen](HWND hwnd) {
        HWND size = ::GetDlgItem(hwnd, IDC_HARDFILE_MB);
        seen.push_back(ControlText(hwnd, IDC_AVAILABLE_MB));
        PressKey(size, VK_UP);
        seen.push_back(ControlText(hwnd, IDC_HARDFILE_MB));
        ::SetWindowTextA(size, "100001");
        ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);  // refused: the dialog stays
        ::SetWindowTextA(size, "many");
        ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        ::SetWindowTextA(size, "100000");
        PressKey(size, VK_UP);  // the top of the range holds
        seen.push_back(ControlText(hwnd, IDC_HARDFILE_MB));
        PressOKOrGiveUp(hwnd);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"100000", "40001", "100000"}));
    EXPECT_EQ(dialog.m_nSize, 100000);
    ASSERT_EQ(TestApp().messageBoxes.size(), 2u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "Please enter an integer between 0 and 100000.");
    EXPECT_EQ(TestApp().messageBoxes[1].text, "Please enter an integer.");
}

TEST_F(HardFileCreationTest, WriterFillsTheFileWithZeroBlocksAndStopsAtTheFirstFailure)
{
    std::string path = folder.File("disk.hfi");
    WriteFilledFile(path, 7 * kMiB + 5, 'x');  // an existing file is truncated and rewritten
    std::vector<int> reported;
    HardFileWriteResult result = WriteHardFile(path, 3, [&](int mib) { reported.push_back(mib); });
    EXPECT_TRUE(result.created);
    EXPECT_EQ(result.blocksWritten, 768u);
    EXPECT_EQ(ZeroFileLength(path), 3 * kMiB);
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3}));

    int attempts = 0;
    result = WriteHardFile(path, 2, {}, [&attempts](HANDLE file, const void* block, DWORD size) {
        return ++attempts <= 300 && WriteBlockToFile(file, block, size);
    });
    EXPECT_EQ(result.blocksWritten, 300u);
    EXPECT_EQ(attempts, 301);  // nothing more after the failed write
    EXPECT_EQ(ZeroFileLength(path), 300 * 4096);

    unique_hfile held(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(WriteHardFile(path, 1).created);
}

TEST_F(HardFileCreationTest, NewAddsTheEntryAndWritesZeroMegabytes)
{
    std::string path = folder.File("new disk.hfi");
    WriteFilledFile(path, 7 * kMiB, 'x');
    CStorage page;
    SheetHarness sheet({&page});
    TestApp().AnswerFileDialog(path);
    AnswerSizeDialog("5");
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);

    ASSERT_EQ(TestApp().fileDialogs.size(), 1u);
    const FileDialogRecord& asked = TestApp().fileDialogs[0];
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.title, "New Hard File");
    EXPECT_EQ(asked.filter, "Hard Files (*.hf?)|*.hf?|All Files (*.*)|*.*||");
    EXPECT_EQ(asked.fileName, "Korvex.hfi");
    EXPECT_EQ(asked.flags & (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY), DWORD(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY));
    EXPECT_FALSE(asked.hasDefaultExtension);

    EXPECT_EQ(ZeroFileLength(path), 5 * kMiB);
    EXPECT_EQ(ListRows(), (Rows{"+" + path}));
    EXPECT_EQ(CurrentDirectory(), folder.path());
    EXPECT_TRUE(::IsWindowEnabled(sheet.hwnd()));
    EXPECT_EQ(::FindWindowA(nullptr, "Creating Hard File"), nullptr);
    EXPECT_TRUE(TestApp().messageBoxes.empty());
    sheet.PressOK();
    EXPECT_EQ(ReadStringSetting("Volume0"), path);
}

TEST_F(HardFileCreationTest, NoFileIsWrittenForSizeZeroOrCancelButTheEntryStays)
{
    CStorage page;
    SheetHarness sheet({&page});
    std::string zero = folder.File("zero.hfi"), cancelled = folder.File("cancelled.hfi");
    TestApp().AnswerFileDialog(zero);
    AnswerSizeDialog("0");
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);
    TestApp().AnswerFileDialog(cancelled);
    AnswerSizeDialog("", false);
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);
    TestApp().AnswerFileDialog(std::nullopt);
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);

    EXPECT_FALSE(FileExists(zero));
    EXPECT_FALSE(FileExists(cancelled));
    EXPECT_EQ(ListRows(), (Rows{"+" + zero, "+" + cancelled}));
    EXPECT_EQ(page.m_nChecked, 2);
    EXPECT_TRUE(sheet.IsApplyEnabled());
}

TEST_F(HardFileCreationTest, FailuresAreQuietAndKeepWhatWasWritten)
{
    StorageOnSmallDisk page(1000);
    SheetHarness sheet({&page});
    std::string partial = folder.File("partial.hfi");
    TestApp().AnswerFileDialog(partial);
    AnswerSizeDialog("8");
    ClickButton(page.m_hWnd, IDC_STORAGE_NEW);
    EXPECT_EQ(ZeroFileLength(partial), 1000 * 4096);
    EXPECT_EQ(page.attempts, 1001);
    EXPECT_TRUE(page.sheetWasDisabled);
    EXPECT_TRUE(page.progressWasShown);
    EXPECT_TRUE(::IsWindowEnabled(sheet.hwnd()));

    std::string locked = folder.File("locked.hfi");
    WriteFilledFile(locked, 10, 'x');
    {
        unique_hfile held(::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        TestApp().AnswerFileDialog(locked);
        AnswerSizeDialog("1");
        ClickButton(page.m_hWnd, IDC_STORAGE_NEW);
    }
    EXPECT_EQ(ZeroFileLength(locked), -1);  // untouched: still its ten 'x'
    EXPECT_EQ(ListRows(), (Rows{"+" + partial, "+" + locked}));
    EXPECT_TRUE(TestApp().messageBoxes.empty());
}
