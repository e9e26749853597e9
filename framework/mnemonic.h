#pragma once
// Alt+letter on a dialog's own controls, as the dialog manager handles it.
#include <windows.h>

// The letter a caption marks with '&' ("&&" is a plain ampersand); 0 when none.
char MnemonicOf(const char* caption);

// Acts on the visible, enabled control of `dialog` whose caption marks `letter`
// (ASCII letters in either case): a button is clicked (a radio button is
// chosen), a label or group box moves the focus on to the next control that
// takes it within `manager`, the dialog whose message loop runs. False when
// `dialog` has no such control.
bool PressMnemonic(HWND dialog, HWND manager, WPARAM letter);
