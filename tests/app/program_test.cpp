// KORVEX.EXE itself, started as a user would: the sheet it opens, what OK leaves
// in the registry (the screenshot tour checks Cancel), OK while a key capture
// waits, what Alt+letter typed on its modal sheet reaches, and where it takes
// the libraries it loads by name.
#include "framework/handles.h"
#include "res/dlg_input.h"
#include "res/dlg_ports.h"
#include "res/dlg_ram.h"
#include "res/dlg_storage.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/temp_folder.h"
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace {

const std::string kSystemAspi = [] { char f[MAX_PATH]; return std::string(f, ::GetSystemDirectoryA(f, MAX_PATH)) + "\\wnaspi32.dll"; }();

// True once `happened` is, within `ms` milliseconds: the program acts in its own time.
bool Eventually(const std::function<bool()>& happened, int ms = 5000)
{
    for (int waited = 0; waited < ms; waited += 50, ::Sleep(50))
        if (happened()) return true;
    return false;
}

// The top-level window of that caption once it is shown (start-up takes stock of
// the host first; give it time on a slow machine).
HWND WaitForWindow(const char* caption)
{
    HWND found = nullptr;
    Eventually([&] { return (found = ::FindWindowA(nullptr, caption)) != nullptr; }, 30000);
    return found;
}

// The program started from `exe` in the current folder `folder`; ended unless the test closed it.
struct Program {
    PROCESS_INFORMATION started = {};
    unique_hfile process, thread;
    HWND sheet = nullptr;

    explicit Program(std::string exe = KORVEX_EXE_PATH, const char* folder = nullptr)
    {
        STARTUPINFOA startup = {sizeof startup};
        exe = "\"" + exe + "\"";
        if (!::CreateProcessA(nullptr, &exe[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &started)) return;
        process.reset(started.hProcess), thread.reset(started.hThread);
        sheet = WaitForWindow("KORVEX Properties");
    }
    ~Program()
    {
        if (!process) return;
        ::TerminateProcess(process.get(), 1);  // fails harmlessly once it has ended
        ::WaitForSingleObject(process.get(), 10000);  // its files are free again
    }
    HWND Page() const { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
    bool PressOkAndEnd() const
    {
        ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return Ends();
    }
    bool Ends() const { return ::WaitForSingleObject(process.get(), 10000) == WAIT_OBJECT_0; }
    // The error mode it runs with, asked inside it: kernel32 lies at the same
    // address in every process, and a thread's exit code is its function's result.
    UINT ErrorMode() const
    {
        const auto get = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetErrorMode")));
        unique_hfile asking(::CreateRemoteThread(process.get(), nullptr, 0, get, nullptr, 0, nullptr));
        DWORD mode = 0;
        if (!asking || ::WaitForSingleObject(asking.get(), 10000) != WAIT_OBJECT_0 ||
            !::GetExitCodeThread(asking.get(), &mode))
            ADD_FAILURE() << "the program's error mode cannot be read";
        return mode;
    }
    // Where it loaded wnaspi32 from; empty when it is not loaded.
    std::string AspiPath() const
    {
        if (!sheet) return "(not started)";
        unique_hfile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, started.dwProcessId));
        MODULEENTRY32 module = {sizeof module};
        for (BOOL more = ::Module32First(snapshot.get(), &module); more; more = ::Module32Next(snapshot.get(), &module))
            if (::lstrcmpiA(module.szModule, "wnaspi32.dll") == 0) return module.szExePath;
        return "";
    }
};

// Alt+A typed on a page, with the focus on a control after the page's own "&A"
// mnemonic, if any: from there the dialog manager's search for the letter
// wraps through the sheet's buttons, "&Apply" among them, before it reaches the
// page's first controls. A change is pending, so Apply is enabled. `happened`
// is what the keys must have done; `applies`, whether they pressed Apply.
struct AltA {
    int page;  // from 0, in tab order
    int clickedFirst;  // a button clicked before, or 0
    int focus;
    std::function<bool(HWND page)> happened;
    bool applies;
};

bool ClosedSelectHardFile()
{
    HWND chooser = ::FindWindowA(nullptr, "Select Hard File");
    if (chooser) ::PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
    return chooser && Eventually([] { return !::FindWindowA(nullptr, "Select Hard File"); });
}

const AltA kAltA[] = {
    /* Ports */ {5, IDC_PORT_B, IDC_PORT_LIST, [](HWND page) { return ::IsDlgButtonChecked(page, IDC_PORT_A) == BST_CHECKED; }, false},
    /* Storage */ {1, 0, IDC_STORAGE_DELETE, [](HWND) { return ClosedSelectHardFile(); }, false},
    /* RAM */ {2, 0, IDC_RAM_SELECTED, [](HWND page) { return !IsApplyEnabled(::GetParent(page)); }, true},
};

using ProgramTest = FreshSettingsTest;
// Run only by the CTest entry whose environment has Wine refuse the DirectX and
// ASPI libraries, as on a host that has none of them.
using BareHost = FreshSettingsTest;

// Wine keeps a stand-in for each library it implements in the system folder,
// which the search reaches before the current folder; a Windows host need have no
// wnaspi32 there. Put back when this object goes, and when it comes, in case a
// run that died left it aside.
struct WineAspi {
    const std::string aside = kSystemAspi + ".aside";
    WineAspi() { PutBack(); }
    ~WineAspi() { PutBack(); }
    void PutBack() const { ::MoveFileA(aside.c_str(), kSystemAspi.c_str()); }
    bool PutAside() const { return ::MoveFileA(kSystemAspi.c_str(), aside.c_str()); }
};

}  // namespace

// The search for a library loaded by name: the system folder, and the program's,
// but never the current folder, where anybody may have put anything.
TEST_F(ProgramTest, LibrariesComeFromTheSystemOrTheProgramsFolderNoDiskBoxAndOkAfterGeneralWritesNothing)
{
    WineAspi wineAspi;
    TempFolder current, besides;
    for (const TempFolder* folder : {&current, &besides})
        ASSERT_TRUE(::CopyFileA(PLANTED_LIBRARY_PATH, folder->File("wnaspi32.dll").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(KORVEX_EXE_PATH, besides.File("KORVEX.EXE").c_str(), FALSE));
    EXPECT_STRCASEEQ(Program(KORVEX_EXE_PATH, current.path().c_str()).AspiPath().c_str(), kSystemAspi.c_str());
    ASSERT_TRUE(wineAspi.PutAside());
    EXPECT_EQ(Program(KORVEX_EXE_PATH, current.path().c_str()).AspiPath(), "");
    Program program(besides.File("KORVEX.EXE"), current.path().c_str());
    EXPECT_STRCASEEQ(program.AspiPath().c_str(), besides.File("wnaspi32.dll").c_str());
    // An empty floppy, card or CD drive makes the call that looks at it fail
    // quietly, without the system's "no disk" box.
    EXPECT_TRUE(program.ErrorMode() & SEM_FAILCRITICALERRORS);
    EXPECT_TRUE(program.PressOkAndEnd());
    EXPECT_FALSE(CompanyKeyExists());
}

// A page's own mnemonic wins over the sheet's; a letter the page lacks still
// reaches the sheet's buttons.
TEST_F(ProgramTest, AltLetterReachesThePageFirst)
{
    constexpr int kAlt = 0x38, kA = 0x1E;
    Program program;
    ASSERT_NE(program.sheet, nullptr);
    for (const AltA& row : kAltA) {
        SCOPED_TRACE(row.page);
        DeleteCompanyKey();
        ::SendMessageA(program.sheet, PSM_SETCURSEL, row.page, 0);
        HWND page = program.Page();
        ::SendMessageA(program.sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);  // Apply is offered
        if (row.clickedFirst) ::SendDlgItemMessageA(page, row.clickedFirst, BM_CLICK, 0, 0);
        ::SetForegroundWindow(program.sheet);
        ::SendMessageA(program.sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(page, row.focus)), TRUE);
        PressKeys(nullptr, {kAlt, kA});
        EXPECT_TRUE(Eventually([&] { return row.happened(page); }));
        EXPECT_EQ(CountSettings() != 0, row.applies);
    }
}

TEST_F(BareHost, EveryPageOpensAndApplies)
{
    ASSERT_EQ(::LoadLibraryA("ddraw.dll"), nullptr) << "Wine was not told to refuse DirectX";
    Program program;
    ASSERT_NE(program.sheet, nullptr);
    EXPECT_EQ(program.AspiPath(), "");  // refused to the program too
    for (int page = 9; page >= 0; --page) ::SendMessageA(program.sheet, PSM_SETCURSEL, page, 0);
    // Help reaches the program's own command and shows the active page's topic.
    ::PostMessageA(program.sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
    HWND help = WaitForWindow("General Help");
    ASSERT_NE(help, nullptr);
    ::SendMessageA(help, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.PressOkAndEnd());
    EXPECT_EQ(CountSettings(), 48);  // every value of every page
}

// OK while "Press a Key" waits inside a handler of the Input page: the capture
// ends, then the sheet applies and closes, as comctl32 runs it modally.
TEST_F(ProgramTest, OkWhileAKeyCaptureWaitsAppliesAndEndsTheProgram)
{
    constexpr int kInputPage = 4;
    Program program;
    ASSERT_NE(program.sheet, nullptr);
    ::SendMessageA(program.sheet, PSM_SETCURSEL, kInputPage, 0);
    const HWND page = reinterpret_cast<HWND>(::SendMessageA(program.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ::PostMessageA(::GetDlgItem(page, IDC_JOY_UP), BM_CLICK, 0, 0);
    ASSERT_NE(WaitForWindow("Press a Key"), nullptr);
    ::PostMessageA(::GetDlgItem(program.sheet, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.Ends());
    EXPECT_TRUE(ReadRawSetting("Key_Flags").has_value());
}
