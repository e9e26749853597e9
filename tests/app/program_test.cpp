// KORVEX.EXE itself: start-up, the sheet it opens, and what it leaves in the
// registry when the user closes it with OK (the screenshot tour checks Cancel).
// Each case starts the real program.
#include "framework/handles.h"
#include "tests/support/registry.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kPageCount = 9;  // General, Storage, RAM, Video, Ports, Misc, SCSI, Floppy, Advanced
constexpr int kLastPage = kPageCount - 1;

class RunningProgram {
public:
    RunningProgram()
    {
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        std::string commandLine = "\"" KORVEX_EXE_PATH "\"";
        if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process))
            return;
        m_process.reset(process.hProcess);
        unique_hfile thread(process.hThread);
        // Start-up takes stock of the host first; give it time on a slow machine.
        for (int waited = 0; waited < 30000 && !m_sheet; waited += 50) {
            m_sheet = ::FindWindowA(nullptr, "KORVEX Properties");
            if (!m_sheet) ::Sleep(50);
        }
    }
    ~RunningProgram()
    {
        if (m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.get(), 1);
    }

    HWND sheet() const { return m_sheet; }
    int PageCount() const
    {
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(m_sheet, PSM_GETTABCONTROL, 0, 0));
        return static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    }
    void ShowPage(int index) const { ::SendMessageA(m_sheet, PSM_SETCURSEL, index, 0); }
    void Press(int button) const { ::PostMessageA(m_sheet, PSM_PRESSBUTTON, button, 0); }
    bool EndsWithin(DWORD milliseconds) const
    {
        return m_process && ::WaitForSingleObject(m_process.get(), milliseconds) == WAIT_OBJECT_0;
    }

private:
    unique_hfile m_process{nullptr};
    HWND m_sheet = nullptr;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteCompanyKey(); }
    void TearDown() override { DeleteCompanyKey(); }
};

}  // namespace

TEST_F(ProgramTest, OkAfterOnlyTheGeneralPageWritesNothing)
{
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    EXPECT_EQ(program.PageCount(), kPageCount);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_FALSE(CompanyKeyExists());
}

TEST_F(ProgramTest, HelpOnTheAdvancedPageShowsItsTopicAndOkWritesItsValues)
{
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    program.ShowPage(kLastPage);
    program.Press(PSBTN_HELP);
    HWND help = nullptr;
    for (int waited = 0; waited < 10000 && !help; waited += 50) {
        help = ::FindWindowA(nullptr, "Advanced Help");
        if (!help) ::Sleep(50);
    }
    ASSERT_NE(help, nullptr);
    ::SendMessageA(help, WM_COMMAND, IDOK, 0);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "");
    EXPECT_EQ(ReadDwordSetting("Machine"), 0u);
    EXPECT_EQ(ReadDwordSetting("Startup_Sound"), 0u);
    EXPECT_EQ(CountSettings(), 3);
}
