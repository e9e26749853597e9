// The Input page on a real sheet: the joystick buttons capturing real key
// presses through DirectInput.
#include "host/keyboard_input.h"
#include "pages/input.h"
#include "res/dlg_input.h"
#include "tests/support/gui.h"
#include <atomic>
#include <thread>

namespace {
// How the user ends a capture other than with a key; or, added to a key, the
// other joystick button he clicks first.
enum { kCancel = -1, kClose = -2, kHide = -3, kStaleEndSignal = -4, kAfterButton3 = 0x100 };

// Two loops that keep both cores of the machine busy while they live.
struct BusyCores {
    std::atomic<bool> stop{false};
    std::thread loops[2] = {std::thread([this] { while (!stop) {} }), std::thread([this] { while (!stop) {} })};
    ~BusyCores() { stop = true; for (std::thread& loop : loops) loop.join(); }
};

int g_answer, g_dialogs, g_menusOpened;  // the answer is a scan code or one of the endings above
HWND g_page;
std::thread g_typist;  // the keyboard: the capture goes on polling while it types

// Runs every 10 ms while a joystick button is handled: closes (and counts) any
// menu a stray Alt opened, which would hold the thread in its loop, and answers
// each "Press a Key" once it waits (keyboard acquired, dialog in front).
void CALLBACK AnswerCapture(HWND, UINT, UINT_PTR, DWORD)
{
    GUITHREADINFO info = {sizeof info};
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        ++g_menusOpened;
        ::EndMenu();
    }
    static HWND answered;
    HWND dialog = ::FindWindowA(nullptr, "Press a Key");
    if (!theKeyboard || ::GetForegroundWindow() != dialog || dialog == answered) return;
    answered = dialog;
    ++g_dialogs;
    if (g_answer & kAfterButton3) ::SendMessageA(g_page, WM_COMMAND, MAKEWPARAM(IDC_JOY_BUTTON3, BN_CLICKED), 0);
    if (g_answer == kCancel) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    if (g_answer == kClose) ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (g_answer == kHide) ::ShowWindow(dialog, SW_HIDE);
    if (g_typist.joinable()) g_typist.join();
    if (g_answer >= 0) g_typist = std::thread(PressKey, nullptr, g_answer & 0xFF);
}

// Clicks a joystick button and answers its capture; then the sheet gets what is
// left in the queue the way its modal loop would.
void Capture(const SheetHarness& sheet, HWND page, int button, int answer)
{
    g_answer = answer;
    g_page = page;
    g_dialogs = 0;
    if (answer == kStaleEndSignal) ::PostMessageA(sheet.hwnd(), 0, 0, 0);
    const UINT_PTR answering = ::SetTimer(nullptr, 0, 10, AnswerCapture);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    if (g_typist.joinable()) g_typist.join();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (::SendMessageA(sheet.hwnd(), PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg))) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ::KillTimer(nullptr, answering);
}
using InputPageTest = DialogTest;
}  // namespace

// Round after round with both cores busy: DirectInput then often sees a key
// before its window messages are queued, which must still never reach the sheet.
TEST_F(InputPageTest, JoystickButtonsCaptureRealKeysThatNeverActOnTheSheet)
{
    CInput page;
    SheetHarness sheet({&page});
    const HWND hwnd = page.m_hWnd;
    for (int id : {IDC_JOY_UP_LEFT, IDC_JOY_UP_RIGHT, IDC_JOY_DOWN_LEFT, IDC_JOY_DOWN_RIGHT, IDC_USE_DIAGONALS})
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, id))) << id;
    const HWND focus = ::GetFocus();
    const struct { int button, answer; const char* shown; } rows[] = {
        {IDC_JOY_UP, 0x1E, "A"},
        {IDC_JOY_LEFT, 0x2A, "LShift"},     // a modifier alone
        {IDC_JOY_RIGHT, 0xCB, "Left"},      // an extended key
        {IDC_JOY_BUTTON1, 0xB8, "RAlt"},
        {IDC_JOY_DOWN, 0x01, "Esc"},        // cancels neither the capture nor the sheet
        {IDC_JOY_DOWN, 0x1C, "Return"},     // does not press OK
        {IDC_JOY_DOWN, 0x38, "LAlt"},       // opens no menu
        {IDC_JOY_DOWN, 0x0F, "Tab"},        // moves no focus
        {IDC_JOY_BUTTON4, 0x39, "Space"},   // presses no button
        {IDC_JOY_UP, kCancel, "A"},         // an ended capture leaves the name
        {IDC_JOY_UP, kClose, "A"},
        {IDC_JOY_UP, kHide, "A"},
        {IDC_JOY_UP, kStaleEndSignal, "A"},
        {IDC_JOY_BUTTON1, 0x30 + kAfterButton3, "B"},  // button 3 meanwhile starts nothing
    };
    BusyCores load;
    for (int round = 0; round < 2; ++round) {
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << r.shown << " " << r.answer << " in round " << round);
            Capture(sheet, hwnd, r.button, r.answer);
            EXPECT_EQ(page.m_nCapturedKey, r.answer < 0 ? -1 : r.answer & 0xFF);
            EXPECT_EQ(ControlText(hwnd, r.button), r.shown);
            EXPECT_TRUE(theDirectInput == nullptr && theKeyboard == nullptr);
            EXPECT_EQ(::FindWindowA(nullptr, "Press a Key"), nullptr);
            ASSERT_FALSE(sheet.IsClosed());
            EXPECT_EQ(::GetFocus(), focus);
            EXPECT_EQ(g_menusOpened, 0);
            EXPECT_LE(g_dialogs, 1);
        }
    }
    EXPECT_EQ(ControlText(hwnd, IDC_JOY_BUTTON3), "");
    EXPECT_EQ(CountSettings(), 0);
}
