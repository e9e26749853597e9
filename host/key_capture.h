#pragma once
// Waiting for one key press from the host keyboard, so that the user can assign
// a key to an input function. Keys are read through DirectInput, not window
// messages, so every physical key counts, modifiers and Esc included.
#include "host/keyboard_input.h"

class CWnd;

// Shows "Press a Key" over `owner` and waits, handling the thread's messages so
// the sheet stays usable; a request to close the sheet ends the wait first.
// Returns the scan code, or -1 when the user cancelled or closed the sheet,
// when the keyboard could not be set up, or when a capture is already waiting.
// The keyboard state is idle again when it returns.
int CaptureKey(CWnd* owner);
// The same with DirectInput made by `create` (null: none available).
int CaptureKey(CWnd* owner, DirectInputCreateFunction create);
