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

// The top-level window of that caption, once it is shown (start-up takes
// stock of the host first; give it time on a slow machine).
HWND WaitForWindow(const char* caption)
{
    HWND found = nullptr;
    for (int waited = 0; waited < 30000 && !found; waited += 50) {
        found = ::FindWindowA(nullptr, caption);
        if (!found) ::Sleep(50);
    }
    return found;
}

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
        m_sheet = WaitForWindow("KORVEX Properties");
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
    HWND help = WaitForWindow("Advanced Help");
    ASSERT_NE(help, nullptr);
    ::SendMessageA(help, WM_COMMAND, IDOK, 0);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "");
    EXPECT_EQ(ReadDwordSetting("Machine"), 0u);
    EXPECT_EQ(ReadDwordSetting("Startup_Sound"), 0u);
    EXPECT_EQ(CountSettings(), 3);
}
