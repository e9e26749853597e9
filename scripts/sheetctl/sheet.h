#pragma once
#include <windows.h>
#include <string>

// Remote control of a property sheet shown by another process, through the
// messages every property sheet answers. Used to walk KORVEX.EXE's pages from a
// script, since the program itself takes no options.
namespace sheetctl {

// The caption of the sheet KORVEX.EXE shows.
extern const wchar_t kSheetCaption[];

// Makes this thread see the windows of the named desktop instead of its own,
// waiting up to `timeoutMs` for a desktop that is still being made. The tour
// shows the program in a Wine desktop of its own.
bool UseDesktop(const wchar_t* name, DWORD timeoutMs);

// The visible top-level dialog with that caption, or null.
HWND FindSheet();
// Polls for the sheet until it is shown or `timeoutMs` has passed.
HWND WaitForSheet(DWORD timeoutMs);

// The sheet's outer size in pixels, caption and frame included.
bool SheetSize(HWND sheet, SIZE& size);

// Number of pages (tabs) of the sheet; -1 when it does not answer.
int PageCount(HWND sheet);
// Label of tab `index` (from 0); false when there is no such tab.
bool PageTitle(HWND sheet, int index, std::wstring& title);
// Shows page `index` as if its tab had been clicked; false when it was not shown.
bool SelectPage(HWND sheet, int index);

// Presses the sheet's Cancel button: no page applies, the sheet ends.
bool PressCancel(HWND sheet);
// Waits until the sheet window is gone.
bool WaitUntilClosed(HWND sheet, DWORD timeoutMs);

}  // namespace sheetctl
