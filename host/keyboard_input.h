#pragma once
// The system keyboard read through DirectInput 7: one process-wide pair of
// interface pointers, set up for one window, polled, and freed again.
#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0700
#endif
#include <windows.h>
#include <dinput.h>

// DirectInputCreateA's own signature. The capture takes it from "dinput.dll",
// loaded by name; tests hand in one that makes scripted objects.
using DirectInputCreateFunction = HRESULT(WINAPI*)(HINSTANCE instance, DWORD version, IDirectInputA** directInput,
                                                   IUnknown* outer);

// The keyboard state: both null while no capture runs.
extern IDirectInputA* theDirectInput;
extern IDirectInputDeviceA* theKeyboard;

// Creates both and sets the device up for `window` (non-exclusive, foreground,
// 16 buffered events); false at the first step that fails. Does not acquire.
bool InitKeyboardInput(HWND window, DirectInputCreateFunction create);
HRESULT AcquireKeyboard();
// The scan code of the last key press in one poll of the buffer, or -1. A poll
// that finds the keyboard not acquired asks for it again and reports no key.
int ReadKeyPress();
// Whether the device reports `key` held down right now; false when it cannot tell.
bool IsKeyDown(int key);
// Unacquires and releases whatever exists; harmless when nothing does.
void FreeKeyboardInput();
