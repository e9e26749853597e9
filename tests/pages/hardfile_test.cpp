// Creating a hard file: the size dialog and the New button down to the bytes
// on the disk.
#include "pages/hardfile_size_dlg.h"
#include "res/dlg_hardfile_size.h"
#include "res/dlg_storage.h"
#include "tests/pages/storage_support.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <fstream>

namespace {
constexpr size_t kMiB = 1048576;

// A disk that is full after `blocksThatFit` blocks; notes what the screen
// showed when the first block went out.
class StorageOnSmallDisk : public CStorage {
public:
    explicit StorageOnSmallDisk(int blocksThatFit) : m_blocksThatFit(blocksThatFit) {}
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
        return attempts <= m_blocksThatFit && CStorage::WriteHardFileBlock(file, block, size);
    }

private:
    int m_blocksThatFit;
};

using HardFileCreationTest = StoragePageTest;
}  // namespace

TEST(HardFileSize, DefaultFollowsTheFreeSpaceTable)
{
    const int table[][2] = {{149, 0}, {150, 100}, {299, 100}, {300, 150}, {599, 150}, {600, 300}};
    for (const auto& row : table) EXPECT_EQ(DefaultHardFileSizeMiB(row[0]), row[1]) << row[0] << " MiB free";
}

TEST(HardFileSize, ArrowsStepBeyondSixteenBitsAndTheRangeCheckRefusesMoreThanIsFree)
{
    TestApp().ResetScript();
    CHardFileSizeDlg dialog;
    dialog.m_nAvailable = 100000;
    dialog.m_nSize = 40000;
    std::vector<std::string> seen;
    OnNextModalDialog([&seen](HWND hwnd) {
        HWND size = ::GetDlgItem(hwnd, IDC_HARDFILE_MB);
        ::SendMessageA(size, WM_KEYDOWN, VK_UP, 0);
        seen.push_back(ControlText(hwnd, IDC_HARDFILE_MB));
        for (const char* refused : {"100001", "many"}) {
            ::SetWindowTextA(size, refused);
            ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        }
        ::SetWindowTextA(size, "100000");
        ::SendMessageA(size, WM_KEYDOWN, VK_UP, 0);  // the top of the range holds
        seen.push_back(ControlText(hwnd, IDC_HARDFILE_MB));
        PressOKOrGiveUp(hwnd);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"40001", "100000"}));
    EXPECT_EQ(dialog.m_nSize, 100000);
    ASSERT_EQ(TestApp().messageBoxes.size(), 2u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "Please enter an integer between 0 and 100000.");
    EXPECT_EQ(TestApp().messageBoxes[1].text, "Please enter an integer.");
}

TEST_F(HardFileCreationTest, NewReplacesTheChosenFileWithZeroMegabytesAndStoresIt)
{
    std::string path = folder.File("new disk.hfi");
    std::ofstream(path, std::ios::binary) << std::string(7 * kMiB, 'x');
    Open();
    NewHardFile(hwnd, path, "5");
    EXPECT_EQ(TestApp().fileDialogs.at(0).title, "New Hard File");
    EXPECT_TRUE(ReadWholeFile(path) == std::string(5 * kMiB, '\0'));
    EXPECT_EQ(ListRows(), (Rows{"+" + path}));
    EXPECT_EQ(CurrentDirectory(), folder.path());
    EXPECT_EQ(::FindWindowA(nullptr, "Creating Hard File"), nullptr);
    sheet->PressOK();
    EXPECT_EQ(ReadStringSetting("Volume0"), path);
}

TEST_F(HardFileCreationTest, SizeZeroOrCancelWritesNothingButTheEntryStays)
{
    Open();
    std::string zero = folder.File("zero.hfi"), cancelled = folder.File("cancelled.hfi");
    NewHardFile(hwnd, zero, "0");
    NewHardFile(hwnd, cancelled, nullptr);
    TestApp().AnswerFileDialog(std::nullopt);
    ClickButton(hwnd, IDC_STORAGE_NEW);
    EXPECT_FALSE(FileExists(zero) || FileExists(cancelled));
    EXPECT_EQ(ListRows(), (Rows{"+" + zero, "+" + cancelled}));
    EXPECT_EQ(page->m_nChecked, 2);
}

TEST_F(HardFileCreationTest, AFullDiskIsQuietAndKeepsWhatWasWritten)
{
    auto smallDisk = std::make_unique<StorageOnSmallDisk>(1000);
    StorageOnSmallDisk& disk = *smallDisk;
    Open(std::move(smallDisk));
    std::string partial = folder.File("partial.hfi");
    NewHardFile(hwnd, partial, "8");
    EXPECT_TRUE(ReadWholeFile(partial) == std::string(1000 * 4096, '\0'));
    EXPECT_EQ(disk.attempts, 1001);  // no write after the failed one
    EXPECT_TRUE(disk.sheetWasDisabled && disk.progressWasShown);
    EXPECT_TRUE(::IsWindowEnabled(sheet->hwnd()));
    EXPECT_EQ(::FindWindowA(nullptr, "Creating Hard File"), nullptr);
    EXPECT_EQ(ListRows(), (Rows{"+" + partial}));
    EXPECT_TRUE(TestApp().messageBoxes.empty());
    sheet->PressOK();  // the sheet still answers and stores the entry
    EXPECT_EQ(StoredVolumes()[0], partial);
}
