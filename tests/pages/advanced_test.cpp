// The Advanced page on a real sheet: choosing the ROM file.
#include "pages/advanced.h"
#include "res/dlg_advanced.h"
#include "tests/support/gui.h"
#include "tests/support/temp_folder.h"

using AdvancedPageTest = DialogTest;

TEST_F(AdvancedPageTest, ChoosingARomStoresItsPathAndMovesTheCurrentDirectoryCancellingChangesNothing)
{
    TempFolder folder;
    ::CreateDirectoryA(folder.File("ROMS").c_str(), nullptr);
    const std::string rom = folder.CreateFileOfSize("ROMS\\Korvex.rom", 16), startFolder = CurrentDirectory();
    WriteStringSetting("ROM_Name", "C:\\old.rom");
    CAdvanced page;
    SheetHarness sheet({&page});
    TestApp().AnswerFileDialog(std::nullopt);
    ClickButton(page.m_hWnd, IDC_ROM_BROWSE);
    EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH), " C:\\old.rom");
    EXPECT_EQ(CurrentDirectory(), startFolder);
    EXPECT_FALSE(sheet.IsApplyEnabled());

    TestApp().AnswerFileDialog(rom);
    ClickButton(page.m_hWnd, IDC_ROM_BROWSE);
    const FileDialogRecord& asked = TestApp().fileDialogs.at(1);
    EXPECT_TRUE(asked.open && !asked.hasDefaultExtension);
    EXPECT_EQ(asked.filter, "ROM Files (*.rom)|*.rom|All Files (*.*)|*.*||");
    EXPECT_EQ(asked.initialFolder + "\\", startFolder);
    EXPECT_EQ(asked.flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH), " " + rom);
    EXPECT_EQ(CurrentDirectory(), folder.File("ROMS\\"));
    EXPECT_TRUE(sheet.IsApplyEnabled());
    sheet.PressOK();
    EXPECT_EQ(ReadStringSetting("ROM_Name"), rom);
    ::SetCurrentDirectoryA(startFolder.c_str());
}
