// The Advanced page on a real sheet: ROM file, machine model, startup sound.
#include "pages/advanced.h"
#include "res/dlg_advanced.h"
#include "tests/support/gui.h"
#include "tests/support/temp_folder.h"

using AdvancedPageTest = DialogTest;

TEST_F(AdvancedPageTest, StoredValuesAreShownAndWrittenBackAndOutOfRangeBecomesMinusOne)
{
    const int closeOnly = -1;
    const std::string rom = "C:\\ROMS\\IIci.rom";
    const struct { bool stored; int combo, item; std::string shown, rom; DWORD machine, sound; } rows[] = {
        {false, 0, 0, " |0|0", "", 0, 0},  // defaults
        {true, 0, 0, " " + rom + "|-1|3", rom, 0xFFFFFFFF, 3},
        {false, IDC_STARTUP_SOUND, closeOnly, " |0|0", "", 0, 0},  // closing a list marks the page
        {false, IDC_MACHINE, 5, " |0|0", "", 5, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.shown << " " << r.combo);
        DeleteCompanyKey();
        if (r.stored) {
            WriteStringSetting("ROM_Name", rom);
            WriteDwordSetting("Machine", 7);
            WriteDwordSetting("Startup_Sound", 3);
        }
        CAdvanced page;
        SheetHarness sheet({&page});
        auto selection = [&](int combo) { return std::to_string(::SendDlgItemMessageA(page.m_hWnd, combo, CB_GETCURSEL, 0, 0)); };
        EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH) + "|" + selection(IDC_MACHINE) + "|" + selection(IDC_STARTUP_SOUND), r.shown);
        if (r.combo && r.item == closeOnly) OpenAndCloseCombo(page.m_hWnd, r.combo);
        if (r.combo && r.item != closeOnly) ChooseComboItem(page.m_hWnd, r.combo, r.item);
        EXPECT_EQ(sheet.IsApplyEnabled(), r.combo != 0);
        sheet.PressOK();
        EXPECT_EQ(ReadStringSetting("ROM_Name"), r.rom);
        EXPECT_EQ(ReadDwordSetting("Machine"), r.machine);
        EXPECT_EQ(ReadDwordSetting("Startup_Sound"), r.sound);
    }
}

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
