// The Advanced page on a real sheet: ROM file, machine model, startup sound.
#include "pages/advanced.h"
#include "res/dlg_advanced.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_app.h"
#include <gtest/gtest.h>

namespace {

class AdvancedPageTest : public FreshSettingsTest {
protected:
    void SetUp() override
    {
        FreshSettingsTest::SetUp();
        TestApp().ResetScript();
    }
    static int Selection(HWND page, int combo) { return static_cast<int>(::SendDlgItemMessageA(page, combo, CB_GETCURSEL, 0, 0)); }
};

}  // namespace

TEST_F(AdvancedPageTest, FreshSettingsShowDefaultsAndApplyWritesThem)
{
    CAdvanced page;
    SheetHarness sheet({&page});
    HWND hwnd = page.m_hWnd;

    EXPECT_EQ(ControlText(hwnd, IDC_ROM_PATH), " ");
    EXPECT_EQ(ItemTexts(hwnd, IDC_MACHINE),
              (std::vector<std::string>{"Mac IIci", "Mac IIsi", "Mac IIlc", "Quadra 700", "Quadra 900", "Quadra 950"}));
    EXPECT_EQ(ItemTexts(hwnd, IDC_STARTUP_SOUND), (std::vector<std::string>{"Off", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Selection(hwnd, IDC_MACHINE), 0);
    EXPECT_EQ(Selection(hwnd, IDC_STARTUP_SOUND), 0);
    EXPECT_FALSE(sheet.IsApplyEnabled());
    EXPECT_EQ(CountSettings(), 0);

    sheet.PressOK();
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "");
    EXPECT_EQ(ReadDwordSetting("Machine"), 0u);
    EXPECT_EQ(ReadDwordSetting("Startup_Sound"), 0u);
    EXPECT_EQ(CountSettings(), 3);
}

TEST_F(AdvancedPageTest, StoredValuesAreShownAndOutOfRangeBecomesMinusOne)
{
    WriteStringSetting("ROM_Name", "C:\\ROMS\\IIci.rom");
    WriteDwordSetting("Machine", 7);
    WriteDwordSetting("Startup_Sound", 3);

    CAdvanced page;
    SheetHarness sheet({&page});
    EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH), " C:\\ROMS\\IIci.rom");
    EXPECT_EQ(Selection(page.m_hWnd, IDC_MACHINE), -1);
    EXPECT_EQ(Selection(page.m_hWnd, IDC_STARTUP_SOUND), 3);

    sheet.PressOK();
    EXPECT_EQ(ReadDwordSetting("Machine"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadDwordSetting("Startup_Sound"), 3u);
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "C:\\ROMS\\IIci.rom");
}

TEST_F(AdvancedPageTest, CombosMarkThePageWhenChangedOrClosed)
{
    CAdvanced page;
    SheetHarness sheet({&page});
    OpenAndCloseCombo(page.m_hWnd, IDC_STARTUP_SOUND);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    sheet.PressApply();
    EXPECT_FALSE(sheet.IsApplyEnabled());

    ChooseComboItem(page.m_hWnd, IDC_MACHINE, 5);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    sheet.PressApply();
    EXPECT_EQ(ReadDwordSetting("Machine"), 5u);
}

TEST_F(AdvancedPageTest, ChoosingARomStoresItsPathAndMovesTheCurrentDirectory)
{
    TempFolder folder;
    ::CreateDirectoryA(folder.File("ROMS").c_str(), nullptr);
    std::string rom = folder.CreateFileOfSize("ROMS\\Korvex.rom", 16);
    std::string startFolder = CurrentDirectory();

    CAdvanced page;
    SheetHarness sheet({&page});
    TestApp().AnswerFileDialog(rom);
    ClickButton(page.m_hWnd, IDC_ROM_BROWSE);

    ASSERT_EQ(TestApp().fileDialogs.size(), 1u);
    const FileDialogRecord& asked = TestApp().fileDialogs[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.title, "Select ROM File");
    EXPECT_EQ(asked.filter, "ROM Files (*.rom)|*.rom|All Files (*.*)|*.*||");
    EXPECT_EQ(asked.fileName, "Korvex.rom");
    EXPECT_EQ(asked.initialFolder + "\\", startFolder);
    EXPECT_EQ(asked.flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_FALSE(asked.hasDefaultExtension);

    EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH), " " + rom);
    EXPECT_EQ(CurrentDirectory(), folder.File("ROMS\\"));
    EXPECT_TRUE(sheet.IsApplyEnabled());

    sheet.PressOK();
    EXPECT_EQ(ReadStringSetting("ROM_Name"), rom);
    ::SetCurrentDirectoryA(startFolder.c_str());
}

TEST_F(AdvancedPageTest, CancelledRomDialogChangesNothing)
{
    WriteStringSetting("ROM_Name", "C:\\old.rom");
    std::string startFolder = CurrentDirectory();
    CAdvanced page;
    SheetHarness sheet({&page});
    TestApp().AnswerFileDialog(std::nullopt);
    ClickButton(page.m_hWnd, IDC_ROM_BROWSE);

    EXPECT_EQ(ControlText(page.m_hWnd, IDC_ROM_PATH), " C:\\old.rom");
    EXPECT_EQ(CurrentDirectory(), startFolder);
    EXPECT_FALSE(sheet.IsApplyEnabled());
    sheet.PressCancel();
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "C:\\old.rom");
    EXPECT_EQ(CountSettings(), 1);
}
