#include "host/key_capture.h"

#include "framework/propertysheet.h"
#include "host/press_key_dlg.h"
#include "res/resource.h"

namespace {
// About thirty polls a second while nothing happens.
constexpr DWORD kIdlePollMs = 33;
// How long a captured key may be held before the capture returns anyway.
constexpr DWORD kReleaseWaitMs = 1000;
constexpr DWORD kReleasePollMs = 10;

bool IsKeyboardMessage(const MSG& msg)
{
    return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
}

bool IsForDialog(const MSG& msg, HWND dialog)
{
    return msg.hwnd == dialog || ::IsChild(dialog, msg.hwnd);
}

// One message per pass, for any window of the thread; the device is polled only
// when the queue is empty. Keys typed into the dialog are read from the device
// alone: their window messages are dropped, since handed to the dialog a quick
// Space would press Cancel and a quick Alt open the dialog's system menu, which
// stops the polls. Keys for the sheet, which the user may switch to meanwhile,
// still reach it. Ends with the key, or -1 on the end signal or when the dialog
// is gone.
int WaitForKey(HWND dialog)
{
    while (::IsWindow(dialog)) {
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == kCaptureEndSignal) return -1;
            if (IsKeyboardMessage(msg) && IsForDialog(msg, dialog)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            continue;
        }
        // A key typed while another window is in front is that window's. The
        // foreground level should keep it from the device, but Wine delivers it
        // when the window in front is one of this thread's, such as the sheet.
        const int key = ReadKeyPress();
        if (key != -1 && ::GetForegroundWindow() == dialog) return key;
        ::Sleep(kIdlePollMs);
    }
    return -1;
}

// A captured key is only captured. DirectInput can see the key before the window
// system queues its messages, which would then reach the sheet once the dialog
// is gone: Esc would cancel it, Enter press OK, Alt open its system menu. So wait
// until the device has seen the key released (or a second has passed) and drop
// the keyboard messages queued by then.
void SwallowCapturedKey(int key)
{
    MSG msg;
    const DWORD start = ::GetTickCount();
    while (IsKeyDown(key) && ::GetTickCount() - start < kReleaseWaitMs) {
        // Looking at the queue lets the window system pass new input on to the device.
        ::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE);
        ::Sleep(kReleasePollMs);
    }
    while (::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
}
}  // namespace

int CaptureKey(CWnd* owner)
{
    // Loaded by name like the rest of DirectX, so a host without it still runs,
    // and kept once loaded, like the ASPI layer: unloading it ends DirectInput's
    // input thread, which under Wine froze the sheet for half a second per key.
    static const HMODULE dinput = ::LoadLibraryA("dinput.dll");
    return CaptureKey(owner, dinput ? reinterpret_cast<DirectInputCreateFunction>(reinterpret_cast<void*>(
                                          ::GetProcAddress(dinput, "DirectInputCreateA")))
                                    : nullptr);
}

int CaptureKey(CWnd* owner, DirectInputCreateFunction create)
{
    // One capture at a time: the keyboard state belongs to the whole process.
    if (theDirectInput || theKeyboard) return -1;

    CPressKeyDlg dialog;
    if (!dialog.Create(IDD_PRESS_KEY, owner)) return -1;
    dialog.ShowWindow(SW_SHOWNORMAL);
    const CSheetWaitGuard sheetClosesTheDialogFirst(dialog.m_hWnd);
    if (!InitKeyboardInput(dialog.m_hWnd, create)) {
        FreeKeyboardInput();
        dialog.DestroyWindow();
        return -1;
    }
    // Refused when the dialog did not get the front (the user went elsewhere at
    // once): the polls ask again, as after any later loss.
    AcquireKeyboard();
    int key = WaitForKey(dialog.m_hWnd);
    if (key != -1) SwallowCapturedKey(key);
    FreeKeyboardInput();
    dialog.DestroyWindow();
    return key;
}
