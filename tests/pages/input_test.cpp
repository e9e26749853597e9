// The Input page on a real sheet: the joystick buttons capturing real key
// presses through DirectInput.
#include "host/keyboard_input.h"
#include "pages/input.h"
#include "res/dlg_input.h"
#include "tests/support/gui.h"
#include <atomic>
#include <memory>
#include <thread>

namespace {
// How the user ends a capture other than with a key: in its dialog, or with one
// of the sheet's own ways to close; or, added to a key, what he does first.
enum {
    kCancel = -1, kClose = -2, kHide = -3, kStaleEndSignal = -4,
    kSheetCancel = -5, kSheetOk = -6, kSheetCloseBox = -7, kAltF4 = -8,
    kAfterButton3 = 0x100,  // clicks the other joystick button
    kAfterAway = 0x200,     // brings another window to the front, then the dialog again
};
constexpr int kLAlt = 0x38, kF4 = 0x3E;
// Far longer than a capture takes to end once answered; a capture still waiting
// then is cancelled and counted as one that held the sheet.
constexpr DWORD kHeldMs = 10000;

// Two loops that keep both cores of the machine busy while they live.
struct BusyCores {
    std::atomic<bool> stop{false};
    std::thread loops[2] = {std::thread([this] { while (!stop) {} }), std::thread([this] { while (!stop) {} })};
    ~BusyCores() { stop = true; for (std::thread& loop : loops) loop.join(); }
};

// A window of another thread, as another program's is: when one comes to the
// front, Wine takes the keyboard from the capture (one of the capture's own
// thread does not).
class OtherThreadWindow {
public:
    OtherThreadWindow() : m_thread([this] { Run(); })
    {
        while (!m_window) ::Sleep(1);
    }
    ~OtherThreadWindow()
    {
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    HWND hwnd() const { return m_window; }

private:
    void Run()
    {
        m_threadId = ::GetCurrentThreadId();
        const HWND window = ::CreateWindowExA(0, "STATIC", "Elsewhere", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                              nullptr, nullptr);
        m_window = window;
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        ::DestroyWindow(window);
    }

    std::atomic<DWORD> m_threadId{0};
    std::atomic<HWND> m_window{nullptr};
    std::thread m_thread;  // last: it runs on the members above
};

int g_answer, g_dialogs, g_menusOpened, g_held;  // the answer is a scan code or one of the endings above
HWND g_page, g_sheet, g_elsewhere;
int g_button;
bool g_answered, g_wentAway;  // of the one capture a click starts
DWORD g_clickedAt;
std::thread g_typist;  // the keyboard: the capture goes on polling while it types

bool KeyboardAcquired()
{
    BYTE state[256];
    return theKeyboard && SUCCEEDED(theKeyboard->GetDeviceState(sizeof state, state));
}

bool AnswerHas(int flag) { return g_answer >= 0 && (g_answer & flag); }

// The window the user brings to the front before he answers: another window,
// or the sheet to press Alt+F4 on; none when he answers in the dialog.
HWND Elsewhere()
{
    if (g_answer == kAltF4) return g_sheet;
    return AnswerHas(kAfterAway) ? g_elsewhere : nullptr;
}

// Whether the user is still on his way to answering. He waits for the dialog to
// be in front; if he goes elsewhere first, he waits there until the capture has
// lost the keyboard to that window, and, coming back, until it has the keyboard again.
bool OnTheWay(HWND dialog)
{
    const HWND front = ::GetForegroundWindow(), elsewhere = Elsewhere();
    if (!g_wentAway) {
        if (front != dialog) return true;
        if (!elsewhere) return false;
        g_wentAway = true;
        ::ShowWindow(elsewhere, SW_SHOW);
        ::SetForegroundWindow(elsewhere);
        // On the sheet, the focus is on the button he clicked (Wine's combo
        // box, which has it at first, keeps Alt+F4 to itself).
        if (elsewhere == g_sheet) ::SetFocus(::GetDlgItem(g_page, g_button));
        return true;
    }
    if (front == elsewhere) {
        if (g_answer == kAltF4) return false;
        if (KeyboardAcquired()) return true;
        ::SetForegroundWindow(dialog);
        ::ShowWindow(elsewhere, SW_HIDE);
        return true;
    }
    return front != dialog || !KeyboardAcquired();
}

// Runs every 10 ms while a joystick button is handled: closes (and counts) any
// menu a stray Alt opened, which would hold the thread in its loop, and answers
// each "Press a Key" once the user is where he answers it.
void CALLBACK AnswerCapture(HWND, UINT, UINT_PTR, DWORD)
{
    GUITHREADINFO info = {sizeof info};
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        ++g_menusOpened;
        ::EndMenu();
    }
    HWND dialog = ::FindWindowA(nullptr, "Press a Key");
    if (!dialog) return;
    if (!g_held && ::GetTickCount() - g_clickedAt > kHeldMs) {
        ++g_held;
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    if (!theKeyboard || g_answered || OnTheWay(dialog)) return;
    g_answered = true;
    ++g_dialogs;
    if (AnswerHas(kAfterButton3)) ::SendMessageA(g_page, WM_COMMAND, MAKEWPARAM(IDC_JOY_BUTTON3, BN_CLICKED), 0);
    if (g_answer == kCancel) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    if (g_answer == kClose) ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (g_answer == kHide) ::ShowWindow(dialog, SW_HIDE);
    if (g_answer == kSheetCancel) ::SendMessageA(::GetDlgItem(g_sheet, IDCANCEL), BM_CLICK, 0, 0);
    if (g_answer == kSheetOk) ::SendMessageA(::GetDlgItem(g_sheet, IDOK), BM_CLICK, 0, 0);
    if (g_answer == kSheetCloseBox) ::SendMessageA(g_sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (g_typist.joinable()) g_typist.join();
    if (g_answer == kAltF4) g_typist = std::thread(PressKeys, nullptr, std::vector<int>{kLAlt, kF4});
    if (g_answer >= 0) g_typist = std::thread(PressKey, nullptr, g_answer & 0xFF);
}

// Clicks a joystick button and answers its capture; then the sheet gets what is
// left in the queue the way its modal loop would.
void Capture(const SheetHarness& sheet, HWND page, int button, int answer)
{
    g_answer = answer;
    g_page = page;
    g_button = button;
    g_sheet = sheet.hwnd();
    g_dialogs = g_held = 0;
    g_answered = g_wentAway = false;
    g_clickedAt = ::GetTickCount();
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
// A row that closes the sheet is followed by a new one.
TEST_F(InputPageTest, JoystickButtonsCaptureRealKeysThatNeverActOnTheSheet)
{
    std::unique_ptr<CInput> page;
    std::unique_ptr<SheetHarness> sheet;
    HWND focus = nullptr;
    const auto open = [&] {
        sheet.reset();
        page = std::make_unique<CInput>();
        sheet = std::make_unique<SheetHarness>(std::vector<CPropertyPage*>{page.get()});
        focus = ::GetFocus();
    };
    open();
    for (int id : {IDC_JOY_UP_LEFT, IDC_JOY_UP_RIGHT, IDC_JOY_DOWN_LEFT, IDC_JOY_DOWN_RIGHT, IDC_USE_DIAGONALS})
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page->m_hWnd, id))) << id;
    const OtherThreadWindow elsewhere;
    g_elsewhere = elsewhere.hwnd();
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
        {IDC_JOY_LEFT, 0x2C + kAfterAway, "Z"},        // the keyboard is taken back with the front
        {IDC_JOY_BUTTON2, kSheetCancel, ""},  // each ends the capture at once, then closes the sheet
        {IDC_JOY_BUTTON2, kSheetOk, ""},      // having applied
        {IDC_JOY_BUTTON2, kSheetCloseBox, ""},
        {IDC_JOY_BUTTON2, kAltF4, ""},
    };
    BusyCores load;
    for (int round = 0; round < 2; ++round) {
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << r.shown << " " << r.answer << " in round " << round);
            if (sheet->IsClosed()) open();
            const HWND hwnd = page->m_hWnd;
            Capture(*sheet, hwnd, r.button, r.answer);
            EXPECT_EQ(page->m_nCapturedKey, r.answer < 0 ? -1 : r.answer & 0xFF);
            EXPECT_EQ(ControlText(hwnd, r.button), r.shown);
            EXPECT_TRUE(theDirectInput == nullptr && theKeyboard == nullptr);
            EXPECT_EQ(::FindWindowA(nullptr, "Press a Key"), nullptr);
            EXPECT_EQ(g_held, 0) << "the capture went on waiting";
            EXPECT_EQ(sheet->IsClosed(), r.answer <= kSheetCancel);
            EXPECT_EQ(CountSettings(), r.answer == kSheetOk ? 2 : 0);
            DeleteCompanyKey();
            EXPECT_TRUE(sheet->IsClosed() || ::GetFocus() == focus);
            EXPECT_EQ(g_menusOpened, 0);
            EXPECT_LE(g_dialogs, 1);
        }
    }
    EXPECT_EQ(ControlText(page->m_hWnd, IDC_JOY_BUTTON3), "");
}
