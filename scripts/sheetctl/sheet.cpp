#include "scripts/sheetctl/sheet.h"
#include "scripts/sheetctl/remote_buffer.h"

#include <commctrl.h>
#include <prsht.h>

namespace sheetctl {

const wchar_t kSheetCaption[] = L"KORVEX Properties";

namespace {

const DWORD kPollMs = 50;
// A sheet that does not answer within this time is hung or gone.
const UINT kAnswerMs = 10000;

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &answer))
        return false;
    result = static_cast<LRESULT>(answer);
    return true;
}

HWND TabControl(HWND sheet) {
    LRESULT tab = 0;
    return Ask(sheet, PSM_GETTABCONTROL, 0, 0, tab) ? reinterpret_cast<HWND>(tab) : nullptr;
}

}  // namespace

bool UseDesktop(const wchar_t* name, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        // The handle stays open while the thread uses the desktop, to the end of the process.
        HDESK desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL);
        if (desktop && SetThreadDesktop(desktop)) return true;
        if (desktop) CloseDesktop(desktop);
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
}

HWND FindSheet() {
    // Property sheets are dialogs: the class keeps a same-named other window out.
    HWND sheet = FindWindowW(L"#32770", kSheetCaption);
    return sheet && IsWindowVisible(sheet) ? sheet : nullptr;
}

HWND WaitForSheet(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND sheet = FindSheet();
        // The tab control exists once the sheet has built its pages.
        if (sheet && TabControl(sheet)) return sheet;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

bool SheetSize(HWND sheet, SIZE& size) {
    RECT outer;
    if (!GetWindowRect(sheet, &outer)) return false;
    size = {outer.right - outer.left, outer.bottom - outer.top};
    return true;
}

int PageCount(HWND sheet) {
    HWND tab = TabControl(sheet);
    LRESULT count = 0;
    return tab && Ask(tab, TCM_GETITEMCOUNT, 0, 0, count) ? static_cast<int>(count) : -1;
}

bool PageTitle(HWND sheet, int index, std::wstring& title) {
    HWND tab = TabControl(sheet);
    if (!tab || index < 0 || index >= PageCount(sheet)) return false;

    const int kChars = 256;
    RemoteBuffer remote(tab, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
    if (!remote) return false;
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.address() + sizeof(TCITEMW));
    item.cchTextMax = kChars;
    LRESULT ok = 0;
    wchar_t text[kChars] = {};
    if (!remote.Write(0, &item, sizeof item) ||
        !Ask(tab, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(remote.address()), ok) || !ok ||
        !remote.Read(sizeof(TCITEMW), text, sizeof text))
        return false;
    text[kChars - 1] = L'\0';
    title = text;
    return true;
}

bool SelectPage(HWND sheet, int index) {
    LRESULT selected = 0, current = 0, currentIndex = -1;
    if (index < 0 || !Ask(sheet, PSM_SETCURSEL, index, 0, selected) || !selected) return false;
    // A page may refuse to be left; only the page now current counts.
    return Ask(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, current) && current &&
           Ask(sheet, PSM_HWNDTOINDEX, current, 0, currentIndex) && currentIndex == index;
}

bool PressCancel(HWND sheet) {
    LRESULT ignored = 0;
    if (!Ask(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0, ignored)) return false;
    // A modal sheet looks whether it has ended only when its loop gets a posted
    // message; a message sent from another thread does not wake it.
    PostMessageW(sheet, WM_NULL, 0, 0);
    return true;
}

bool WaitUntilClosed(HWND sheet, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(sheet)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

}  // namespace sheetctl
