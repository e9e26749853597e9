// KORVEX.EXE itself: start-up, the sheet it opens, what it leaves in the
// registry when the user closes it with OK (the screenshot tour checks Cancel),
// and where it takes the libraries it loads by name. Each case starts the real
// program.
#include "framework/handles.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kPageCount = 10;  // General, Storage, RAM, Video, Input, Ports, Misc, SCSI, Floppy, Advanced
constexpr int kLastPage = kPageCount - 1;
constexpr int kValueCount = 48;  // every value of the settings section

// With a trailing backslash.
std::string SystemFolder()
{
    char folder[MAX_PATH];
    return std::string(folder, ::GetSystemDirectoryA(folder, MAX_PATH)) + "\\";
}

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
        m_sheet = WaitForWindow("KORVEX Properties");
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

    // Where the program loaded the library `name` from; empty when it is not loaded.
    std::string ModulePath(const char* name) const
    {
        unique_hfile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, m_processId));
        MODULEENTRY32 module = {sizeof module};
        for (BOOL more = ::Module32First(snapshot.get(), &module); more; more = ::Module32Next(snapshot.get(), &module))
            if (::lstrcmpiA(module.szModule, name) == 0) return module.szExePath;
        return "";
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
// no wnaspi32 there. The stand-in is moved aside while this object lives (first
// putting back one that a run which died left aside).
struct WineAspiAside {
    const std::string path = SystemFolder() + "wnaspi32.dll", aside = path + ".aside";
    WineAspiAside() { ::MoveFileA(aside.c_str(), path.c_str()), ::MoveFileA(path.c_str(), aside.c_str()); }
    ~WineAspiAside() { ::MoveFileA(aside.c_str(), path.c_str()); }
};

}  // namespace

TEST_F(ProgramTest, OkAfterOnlyTheGeneralPageWritesNothing)
{
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    EXPECT_EQ(program.PageCount(), kPageCount);
    // Wine's own layer: the system folder is still searched.
    EXPECT_STRCASEEQ(program.ModulePath("wnaspi32.dll").c_str(), (SystemFolder() + "wnaspi32.dll").c_str());
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_FALSE(CompanyKeyExists());
}

TEST_F(BareHost, EveryPageOpensAndApplies)
{
    ASSERT_EQ(::LoadLibraryA("ddraw.dll"), nullptr) << "Wine was not told to refuse DirectX";
    RunningProgram program;
    ASSERT_NE(program.sheet(), nullptr);
    EXPECT_EQ(program.ModulePath("wnaspi32.dll"), "");  // refused to the program too
    for (int page = kLastPage; page >= 0; --page) program.ShowPage(page);
    // Help reaches the program's own command and shows the active page's topic.
    program.Press(PSBTN_HELP);
    HWND help = WaitForWindow("General Help");
    ASSERT_NE(help, nullptr);
    ::SendMessageA(help, WM_COMMAND, IDOK, 0);
    program.Press(PSBTN_OK);
    EXPECT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(CountSettings(), kValueCount);
}

TEST_F(ProgramTest, ALibraryInTheCurrentFolderIsNotLoadedOneBesideTheProgramIs)
{
    WineAspiAside noSystemLayer;
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
    EXPECT_STRCASEEQ(program.ModulePath("wnaspi32.dll").c_str(), besides.File("wnaspi32.dll").c_str());
}
