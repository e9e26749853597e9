#pragma once
// The least modal property sheet comctl32 can show: one page, no handlers of
// our own. Titled like KORVEX.EXE's sheet, so the start-up timer finds all
// the programs it compares the same way.
#include <windows.h>

#define IDD_REFERENCE_PAGE 100

#ifndef RC_INVOKED
// Shows the sheet and returns when it is closed.
void ShowOnePageSheet(HINSTANCE instance);
#endif
