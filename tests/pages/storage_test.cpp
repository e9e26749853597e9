// The Storage page on a real sheet: the stored list, the limit of ten checked
// entries and the file operations, down to the volumes OK stores.
#include "framework/handles.h"
#include "pages/disk_figures.h"
#include "pages/hardfile_list.h"
#include "tests/pages/storage_support.h"
#include <climits>

TEST(StorageFigures, AreTrueBeyondThirtyTwoBits)
{
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 1000), 3u);  // 3.9 MiB rounds down
    EXPECT_EQ(FreeMiBFromClusters(512, 8, 0xFFFFFFFFu), 16777215u);  // 16 TiB free
    EXPECT_EQ(ClampToIntMiB(1ull << 40), INT_MAX);
    EXPECT_EQ(FreeSpaceText(812), " 812 MB available");
}

TEST_F(StorageTest, WhatTheUserDoesReachesTheListAndTheVolumes)
{
    const std::string limit = Box("You can only select up to 10 hard files.", MB_ICONINFORMATION | MB_OK);
    const std::string b = Path('b'), ask = Box("Are you sure you want to delete '" + b + "'?", MB_YESNO | MB_ICONQUESTION);
    const Rows ten = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    // Sparse files, of sizes that are no whole number of MiB or beyond 32 bits.
    for (auto [name, size] : {std::pair{"l.hfi", 20ull << 20}, {"m.hfi", 1048575ull}, {"n.hfi", 3ull << 30}})
        folder.CreateFileOfSize(name, size);
    // 260 characters: one more than Windows takes.
    const std::string tooLong = folder.path() + std::string(MAX_PATH - folder.path().size(), 'x');
    const std::string longest = tooLong.substr(0, MAX_PATH - 5) + ".hfi";
    auto deleteB = [&] { Click(1), TestApp().AnswerMessageBox(IDYES), Press(IDC_STORAGE_DELETE); };
    Run({
        {"the stored files that open are listed, checked", {"b", folder.File("gone.hfi"), folder.path(), "", "a"}, [&] {
             EXPECT_EQ(theHardFileList.GetItemHeight(0), 20);
             EXPECT_EQ(ControlText(hwnd, IDC_FREE_SPACE_TEXT), FreeSpaceText(*CurrentDriveFreeMiB()));
         }, "+b +a", false, {}},
        {"an unchecked entry is not stored, a duplicate is", {"a", "b", "c"}, [&] {
             Click(1, true), TestApp().AnswerFileDialog(Path('a')), Press(IDC_STORAGE_ADD);
             EXPECT_EQ(TestApp().fileDialogs.at(0).title, "Select Hard File");
         }, "+a -b +c +a", true, {}},
        {"with ten checked, Add and New are refused", ten, [&] {
             Press(IDC_STORAGE_ADD), Press(IDC_STORAGE_NEW);
             EXPECT_TRUE(TestApp().fileDialogs.empty());
         }, "+a +b +c +d +e +f +g +h +i +j", false, {limit, limit}},
        {"the space bar unchecks, making room for one; an eleventh check is undone", ten, [&] {
             Click(3), Space(), TestApp().AnswerFileDialog(Path('k')), Press(IDC_STORAGE_ADD);
             Click(3, true), Click(0, true), Click(3, true);
         }, "-a +b +c +d +e +f +g +h +i +j +k", true, {limit}},
        {"the space bar with no row selected toggles the first; Remove leaves none selected", {"a", "b"},
         [&] { Space(), Press(IDC_STORAGE_REMOVE), Space(); }, "-b", true, {}},
        {"Delete asks; No keeps the file, Yes deletes it; Remove takes entries off, not their files", {"a", "b", "c"}, [&] {
             TestApp().AnswerMessageBox(IDNO), deleteB(), deleteB();
             EXPECT_FALSE(FileExists(b));
             Click(0, true), Click(1, true), Press(IDC_STORAGE_REMOVE), Press(IDC_STORAGE_REMOVE);  // then none is selected
             EXPECT_TRUE(FileExists(Path('c')));
         }, "-a", true, {ask, ask}},
        {"Rename refuses the same, no, a taken and an unreachable name, then moves", {"a", "b", "c"}, [&] {
             Click(1);
             for (const std::string& refused : {b, std::string(), Path('c'), folder.File("no\\b.hfi"), tooLong}) Rename(refused);
             EXPECT_FALSE(sheet->IsApplyEnabled());
             Rename(longest);
             EXPECT_EQ(shown, b);  // the entry, as the last dialog found it
             EXPECT_TRUE(FileExists(longest) && !FileExists(b));
         }, "+a +" + longest + " +c", true, {}},
        // Wine reports the deletion of a file that a program holds open but lets
        // go, while the file stays in view, as on a read-only mount.
        {"Delete of a file held open, then of a file gone since it was listed", {"a", "b"}, [&] {
             unique_hfile held(::CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
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
        {"a selected entry shows its size in whole MB", {"l", "m", "n"}, [&] {
             Rows sizes;
             for (int row = 0; row < 3; ++row) Click(row), sizes.push_back(ControlText(hwnd, IDC_HARDFILE_SIZE_TEXT));
             EXPECT_EQ(sizes, (Rows{" 20 MB", " 0 MB", " 3072 MB"}));
         }, "+l +m +n", false, {}},
    });
}
