// KORVEX.EXE itself: start-up, the sheet it opens, and what it leaves in the
// registry when the user closes it with OK (the screenshot tour checks Cancel).
// Each case starts the real program.
#include "framework/handles.h"
#include "res/dlg_general.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kPageCount = 9;  // General, Storage, RAM, Video, Ports, Misc, SCSI, Floppy, Advanced
constexpr int kLastPage = kPageCount - 1;
constexpr int kValueCount = 46;  // all 48 but the Input page's two

// With a trailing backslash.
std::string SystemFolder()
{
    char folder[MAX_PATH];
    return std::string(folder, ::GetSystemDirectoryA(folder, MAX_PATH)) + "\\";
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(::tolower(c)); });
    return text;
}

class RunningProgram {
public:
    explicit RunningProgram(const std::string& exe = KORVEX_EXE_PATH, const char* folder = nullptr)
    {
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        std::string commandLine = "\"" + exe + "\"";
        if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                              &process))
            return;
        m_process.reset(process.hProcess);
        m_processId = process.dwProcessId;
        unique_hfile thread(process.hThread);
        // Start-up takes stock of the host first; give it time on a slow machine.
        for (int waited = 0; waited < 30000 && !m_sheet; waited += 50) {
            m_sheet = ::FindWindowA(nullptr, "KORVEX Properties");
            if (!m_sheet) ::Sleep(50);
        }
    }
    ~RunningProgram()
    {
        if (m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process.get(), 1);
            ::WaitForSingleObject(m_process.get(), 10000);  // its files are free again
        }
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

    // Lower-case path the program loaded the library `name` from; empty when not loaded.
    std::string ModulePath(const char* name) const
    {
        unique_hfile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, m_processId));
        MODULEENTRY32 module = {sizeof module};
        for (BOOL more = ::Module32First(snapshot.get(), &module); more; more = ::Module32Next(snapshot.get(), &module))
            if (Lower(module.szModule) == name) return Lower(module.szExePath);
        return "";
    }
    // The lines of the General page's list of host facts.
    std::vector<std::wstring> GeneralLines() const
    {
        HWND page = reinterpret_cast<HWND>(::SendMessageA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        HWND list = ::GetDlgItem(page, IDC_GENERAL_INFO);
        std::vector<std::wstring> lines(std::max<LRESULT>(0, ::SendMessageW(list, LB_GETCOUNT, 0, 0)));
        for (size_t i = 0; i < lines.size(); ++i) {
            lines[i].resize(std::max<LRESULT>(0, ::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1);
            LRESULT length = ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&lines[i][0]));
            lines[i].resize(std::clamp<LRESULT>(length, 0, lines[i].size()));
        }
        return lines;
    }

private:
    unique_hfile m_process{nullptr};
    DWORD m_processId = 0;
    HWND m_sheet = nullptr;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteCompanyKey(); }
    void TearDown() override { DeleteCompanyKey(); }
};
// Cases run only in the CTest entry whose environment has Wine refuse the
// DirectX and ASPI libraries, as on a host that has none of them.
using BareHost = ProgramTest;

// Wine keeps a stand-in for each library it implements in the system folder,
// which the search reaches before the current folder; a Windows host need have
// no wnaspi32 there. This moves the stand-in aside while the object lives.
class SystemLibraryAside {
public:
    explicit SystemLibraryAside(const std::string& name)
    {
        m_path = SystemFolder() + name;
        ::MoveFileA(Aside().c_str(), m_path.c_str());  // a run that died left it aside
        ::MoveFileA(m_path.c_str(), Aside().c_str());
    }
    ~SystemLibraryAside() { ::MoveFileA(Aside().c_str(), m_path.c_str()); }

private:
    std::string Aside() const { return m_path + ".aside"; }
    std::string m_path;
};

}  // namespace

TEST_F(ProgramTest, OkAfterOnlyTheGeneralPageWritesNothing)
{
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    EXPECT_EQ(program.PageCount(), kPageCount);
    EXPECT_EQ(program.ModulePath("wnaspi32.dll"), Lower(SystemFolder() + "wnaspi32.dll"));  // Wine's own layer
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_FALSE(CompanyKeyExists());
}

TEST_F(ProgramTest, OkAfterShowingTheAdvancedPageWritesItsValues)
{
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    program.ShowPage(kLastPage);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(ReadStringSetting("ROM_Name"), "");
    EXPECT_EQ(ReadDwordSetting("Machine"), 0u);
    EXPECT_EQ(ReadDwordSetting("Startup_Sound"), 0u);
    EXPECT_EQ(CountSettings(), 3);
}

TEST_F(BareHost, EveryPageOpensAndApplies)
{
    ASSERT_EQ(::LoadLibraryA("ddraw.dll"), nullptr) << "Wine was not told to refuse DirectX";
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    std::vector<std::wstring> lines = program.GeneralLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], L"DirectX:  Not present");
    EXPECT_EQ(lines.back(), L"ASPI:  Not present");
    for (int page = kLastPage; page >= 0; --page) program.ShowPage(page);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(CountSettings(), kValueCount);
}

TEST_F(ProgramTest, ALibraryInTheCurrentFolderIsNotLoadedOneBesideTheProgramIs)
{
    SystemLibraryAside wineOwn("wnaspi32.dll");  // as on a Windows host without the layer
    TempFolder current, besides;
    ASSERT_TRUE(::CopyFileA(ASPI_DOUBLE_PATH, current.File("wnaspi32.dll").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(ASPI_DOUBLE_PATH, besides.File("wnaspi32.dll").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(KORVEX_EXE_PATH, besides.File("KORVEX.EXE").c_str(), FALSE));
    {
        RunningProgram program(KORVEX_EXE_PATH, current.path().c_str());
        ASSERT_NE(program.sheet(), nullptr);
        EXPECT_EQ(program.ModulePath("wnaspi32.dll"), "");
    }
    RunningProgram program(besides.File("KORVEX.EXE"), current.path().c_str());
    ASSERT_NE(program.sheet(), nullptr);
    EXPECT_EQ(program.ModulePath("wnaspi32.dll"), Lower(besides.File("wnaspi32.dll")));
}
