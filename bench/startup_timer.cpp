// Starts a program and measures its start-up from outside, the same way for
// every program compared: the time from CreateProcess until its visible
// "KORVEX Properties" sheet answers with its tab control, and the process's peak
// working set at that moment. Then presses the sheet's Cancel and waits for the
// program to end. Prints "<seconds> <peak working set in MiB> <pages>".
//   startup_timer <program> [timeout seconds]
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const DWORD kPollMs = 2;

double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LRESULT Ask(HWND window, UINT message)
{
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer) ? answer : 0;
}

// The sheet once comctl32 has built it: visible, and answering for its tabs.
HWND ShownSheet()
{
    HWND sheet = ::FindWindowW(L"#32770", L"KORVEX Properties");
    return sheet && ::IsWindowVisible(sheet) && Ask(sheet, PSM_GETTABCONTROL) ? sheet : nullptr;
}

int Fail(const char* what, HANDLE process)
{
    std::fprintf(stderr, "startup_timer: %s\n", what);
    if (process) ::TerminateProcess(process, 1);
    return 1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_timer <program> [timeout seconds]\n");
        return 2;
    }
    const double timeout = argc > 2 ? std::atof(argv[2]) : 60.0;
    if (::FindWindowW(L"#32770", L"KORVEX Properties")) return Fail("a sheet is already shown", nullptr);

    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    const double start = Now();
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return Fail("the program did not start", nullptr);
    ::CloseHandle(started.hThread);

    HWND sheet = nullptr;
    while (!(sheet = ShownSheet())) {
        if (Now() - start > timeout) return Fail("the sheet did not appear", started.hProcess);
        if (::WaitForSingleObject(started.hProcess, kPollMs) == WAIT_OBJECT_0)
            return Fail("the program ended before its sheet appeared", nullptr);
    }
    const double seconds = Now() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (!::GetProcessMemoryInfo(started.hProcess, &memory, sizeof memory))
        return Fail("no memory figures", started.hProcess);

    const LRESULT pages = Ask(reinterpret_cast<HWND>(Ask(sheet, PSM_GETTABCONTROL)), TCM_GETITEMCOUNT);

    ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    if (::WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0)
        return Fail("the program did not end after Cancel", started.hProcess);
    ::CloseHandle(started.hProcess);
    std::printf("%.4f %.1f %d\n", seconds, static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0),
                static_cast<int>(pages));
    return 0;
}
