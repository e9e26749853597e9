// Creating a hard file: the size dialog and the New button down to the bytes
// on the disk.
#include "pages/hardfile_size_dlg.h"
#include "tests/pages/storage_support.h"
#include <fstream>

namespace {
// A disk that is full after 1000 blocks; notes what the screen showed while writing.
struct StorageOnSmallDisk : CStorage {
    int attempts = 0;
    bool sheetDisabled = false, progressShown = false;
    bool WriteHardFileBlock(HANDLE file, const void* block, DWORD size) override
    {
        sheetDisabled = !::IsWindowEnabled(::GetAncestor(m_hWnd, GA_ROOT));
        progressShown = ::IsWindowVisible(::FindWindowA(nullptr, "Creating Hard File"));
        return ++attempts <= 1000 && CStorage::WriteHardFileBlock(file, block, size);
    }
};

bool HoldsZeros(const std::string& path, size_t bytes)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {}) == std::string(bytes, '\0');
}
}  // namespace

TEST(HardFileSize, ArrowsReachBeyondSixteenBitsAndNoMoreThanIsFreeIsTaken)
{
    TestApp().ResetScript();
    CHardFileSizeDlg dialog;
    dialog.m_nAvailable = 100000;
    OnNextModalDialog([](HWND hwnd) {
        HWND size = ::GetDlgItem(hwnd, IDC_HARDFILE_MB);
        ::SetWindowTextA(size, "100001"), ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        ::SetWindowTextA(size, "99999");
        for (int press = 0; press < 2; ++press) ::SendMessageA(size, WM_KEYDOWN, VK_UP, 0);  // the top holds
        ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        if (::IsWindowVisible(hwnd)) ::SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);  // a failing test must end
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSize, 100000);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "Please enter an integer between 0 and 100000.");
}

TEST_F(StorageTest, NewWritesZerosQuietlyAndItsEntryStaysWhateverHappens)
{
    const std::string made = folder.File("new disk.hfi"), zero = folder.File("zero.hfi"), none = folder.File("none.hfi"),
                      vanished = folder.File("gone\\v.hfi");
    Run({
        {"New replaces the chosen file; size 0, a cancelled size, a cancelled file dialog, a vanished folder", {}, [&] {
             std::ofstream(made, std::ios::binary) << std::string(7 << 20, 'x');
             New(made, "5");
             EXPECT_EQ(TestApp().fileDialogs.at(0).title, "New Hard File");
             EXPECT_TRUE(HoldsZeros(made, 5 << 20));
             EXPECT_EQ(CurrentDirectory(), folder.path());
             New(zero, "0"), New(none, nullptr), Press(IDC_STORAGE_NEW);  // the file dialog, unanswered, cancels
             EXPECT_FALSE(FileExists(zero) || FileExists(none));
             New(vanished, "1");  // into a folder that is gone: nothing written, nothing said
             EXPECT_FALSE(FileExists(vanished));
         }, "+" + made + " +" + zero + " +" + none + " +" + vanished, true, {}},
        {"a full disk", {}, [&] {
             Open({}, std::make_unique<StorageOnSmallDisk>());
             New(made, "8");
             EXPECT_TRUE(HoldsZeros(made, 1000 * 4096));
             const auto& disk = static_cast<StorageOnSmallDisk&>(*page);
             EXPECT_EQ(disk.attempts, 1001);  // no write after the failed one
             EXPECT_TRUE(disk.sheetDisabled && disk.progressShown);
             EXPECT_TRUE(::IsWindowEnabled(sheet->hwnd()));
         }, "+" + made, true, {}},
    });
}
