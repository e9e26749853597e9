// The Storage page on a real sheet: the stored list, the limit of ten checked
// entries and the file operations, down to the volumes OK stores.
#include "framework/handles.h"
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "pages/hardfile_size_dlg.h"
#include "tests/pages/storage_support.h"
#include <climits>

TEST(StorageFigures, AreTrueBeyondThirtyTwoBitsAndTheProposedSizeFollowsTheFreeSpace)
{
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 1000), 3u);  // 3.9 MiB rounds down
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 0xFFFFFFFFu), 16777215u);  // 16 TiB free
    EXPECT_EQ(ClampToIntMiB(1ull << 40), INT_MAX);
    EXPECT_EQ(FreeSpaceText(812), " 812 MB available");
    const int proposed[][2] = {{149, 0}, {150, 100}, {299, 100}, {300, 150}, {599, 150}, {600, 300}};
    for (const auto& row : proposed) EXPECT_EQ(DefaultHardFileSizeMiB(row[0]), row[1]) << row[0] << " MiB free";
}

TEST_F(StorageTest, WhatTheUserDoesReachesTheListAndTheVolumes)
{
    const std::string limit = Box("You can only select up to 10 hard files.", MB_ICONINFORMATION | MB_OK);
    const std::string b = Path('b');
    const std::string ask = Box("Are you sure you want to delete '" + b + "'?", MB_YESNO | MB_ICONQUESTION);
    const Rows ten = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    // Sparse files: 20 MiB, a byte short of 1 MiB, and 3 GiB, beyond a signed 32-bit size.
    for (auto [name, size] : {std::pair{"l.hfi", 20ull << 20}, {"m.hfi", 1048575ull}, {"n.hfi", 3ull << 30}})
        folder.CreateFileOfSize(name, size);
    // 260 characters: one more than Windows takes.
    const std::string tooLong = folder.path() + std::string(MAX_PATH - folder.path().size(), 'x');
    const std::string longest = tooLong.substr(0, MAX_PATH - 5) + ".hfi";
    auto deleteB = [&] { Click(1), TestApp().AnswerMessageBox(IDYES), Press(IDC_STORAGE_DELETE); };
    Run({
        {"an unchecked entry is not stored, a duplicate is", {"a", "b", "c"}, [&] {
             Click(1, true), TestApp().AnswerFileDialog(Path('a')), Press(IDC_STORAGE_ADD);
             EXPECT_EQ(TestApp().fileDialogs.at(0).title, "Select Hard File");
         }, "+a -b +c +a", true, {}},
        {"ten checked: Add and New refused; an unchecked one makes room; an eleventh check undone", ten, [&] {
             Press(IDC_STORAGE_ADD), Press(IDC_STORAGE_NEW);
             EXPECT_TRUE(TestApp().fileDialogs.empty());
             Click(3), Space(), TestApp().AnswerFileDialog(Path('k')), Press(IDC_STORAGE_ADD);
             Click(3, true), Click(0, true), Click(3, true);
         }, "-a +b +c +d +e +f +g +h +i +j +k", true, {limit, limit, limit}},
        {"the space bar with no row selected toggles the first; Remove leaves none selected", {"a", "b"},
         [&] { Space(), Press(IDC_STORAGE_REMOVE), Space(); }, "-b", true, {}},
        {"Delete asks: No keeps the file, Yes deletes it; Remove takes entries off, not files", {"a", "b", "c"}, [&] {
             TestApp().AnswerMessageBox(IDNO), deleteB(), deleteB();
             EXPECT_FALSE(FileExists(b));
             Click(0, true), Click(1, true), Press(IDC_STORAGE_REMOVE), Press(IDC_STORAGE_REMOVE);  // none selected
             EXPECT_TRUE(FileExists(Path('c')));
         }, "-a", true, {ask, ask}},
        {"Rename refuses the same, no, a taken and an unreachable name, then moves; a vanished file stays listed", {"a", "b", "c"}, [&] {
             Click(1);
             for (const std::string& refused : {b, std::string(), Path('c'), folder.File("no\\b.hfi"), tooLong})
                 Rename(refused);
             EXPECT_FALSE(sheet->IsApplyEnabled());
             Rename(longest);
             EXPECT_EQ(shown, b);  // the entry, as the last dialog found it
             EXPECT_TRUE(FileExists(longest) && !FileExists(b));
             ::DeleteFileA(Path('c').c_str()), Click(2), Rename(Path('z'));  // gone since it was listed
             EXPECT_FALSE(FileExists(Path('z')));
         }, "+a +" + longest + " +c", true, {}},
        // Wine reports the deletion of a file that a program holds open but lets
        // go, while the file stays in view, as on a read-only mount.
        {"Delete of a file held open, then of a file gone since it was listed", {"a", "b"}, [&] {
             const DWORD anyShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
             unique_hfile held(::CreateFileA(b.c_str(), GENERIC_READ, anyShare, nullptr, OPEN_EXISTING, 0, nullptr));
             deleteB(), held.reset(), ::DeleteFileA(b.c_str()), deleteB();
         }, "+a +b", false, {ask, ask}},
        {"the spin moves the selected entry within the list", {"a", "b", "c"}, [&] {
             Click(1, true), sheet->PressApply();
             Click(0), Spin(true), Click(2), Spin(false);  // the first cannot go up, nor the last down
             Click(1), Spin(false);  // an unchecked entry moves without changing the volumes
             EXPECT_FALSE(sheet->IsApplyEnabled());
             Click(1), Spin(true);
             EXPECT_EQ(theHardFileList.GetCurSel(), 0);
         }, "+c +a -b", true, {}},
        {"the stored files that open are listed, checked; a selected one shows its size in whole MB",
         {"l", folder.File("gone.hfi"), folder.path(), "", "m", "n"}, [&] {
             EXPECT_EQ(theHardFileList.GetItemHeight(0), 20);
             EXPECT_EQ(ControlText(hwnd, IDC_FREE_SPACE_TEXT), FreeSpaceText(*CurrentDriveFreeMiB()));
             Rows sizes;
             for (int row = 0; row < 3; ++row) Click(row), sizes.push_back(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT));
             EXPECT_EQ(sizes, (Rows{" 20 MB", " 0 MB", " 3072 MB"}));
         }, "+l +m +n", false, {}},
    });
}
