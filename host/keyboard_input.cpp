#include "host/keyboard_input.h"

IDirectInputA* theDirectInput = nullptr;
IDirectInputDeviceA* theKeyboard = nullptr;

namespace {
constexpr DWORD kDirectInputVersion = 0x0700;
constexpr DWORD kEventBufferSize = 16;
constexpr DWORD kPressedBit = 0x80;

// The records DirectInput 7 delivers: offset (the scan code), data, time, sequence.
static_assert(sizeof(DIDEVICEOBJECTDATA) == 16, "DirectInput 7 event record");
}  // namespace

bool InitKeyboardInput(HWND window, DirectInputCreateFunction create)
{
    if (!create || FAILED(create(::GetModuleHandleA(nullptr), kDirectInputVersion, &theDirectInput, nullptr)) ||
        !theDirectInput)
        return false;
    if (FAILED(theDirectInput->CreateDevice(GUID_SysKeyboard, &theKeyboard, nullptr)) || !theKeyboard) return false;
    if (FAILED(theKeyboard->SetDataFormat(&c_dfDIKeyboard))) return false;
    if (FAILED(theKeyboard->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND))) return false;
    DIPROPDWORD bufferSize = {};
    bufferSize.diph.dwSize = sizeof bufferSize;
    bufferSize.diph.dwHeaderSize = sizeof bufferSize.diph;
    bufferSize.diph.dwHow = DIPH_DEVICE;
    bufferSize.dwData = kEventBufferSize;
    return SUCCEEDED(theKeyboard->SetProperty(DIPROP_BUFFERSIZE, &bufferSize.diph));
}

HRESULT AcquireKeyboard()
{
    return theKeyboard ? theKeyboard->Acquire() : DIERR_NOTINITIALIZED;
}

int ReadKeyPress()
{
    if (!theKeyboard) return -1;
    DIDEVICEOBJECTDATA records[kEventBufferSize];
    DWORD count = kEventBufferSize;
    const HRESULT result = theKeyboard->GetDeviceData(sizeof records[0], records, &count, 0);
    // Not acquired, whatever the cause: another window came to the front (Windows
    // says "input lost" once and "not acquired" after it, Wine only the latter),
    // or an acquire was refused while it stayed there. Ask again at every poll:
    // refused while another window is in front, it succeeds once the capture's
    // dialog is back. Whatever was pressed meanwhile is gone.
    if (result == DIERR_INPUTLOST || result == DIERR_NOTACQUIRED) {
        theKeyboard->Acquire();
        return -1;
    }
    if (FAILED(result)) return -1;
    int key = -1;
    for (DWORD i = 0; i < count && i < kEventBufferSize; ++i) {
        if (records[i].dwData & kPressedBit) key = static_cast<int>(records[i].dwOfs);
    }
    return key;
}

bool IsKeyDown(int key)
{
    BYTE state[256];
    return theKeyboard && key >= 0 && key < 256 && SUCCEEDED(theKeyboard->GetDeviceState(sizeof state, state)) &&
           (state[key] & kPressedBit);
}

void FreeKeyboardInput()
{
    if (theKeyboard) {
        theKeyboard->Unacquire();
        theKeyboard->Release();
        theKeyboard = nullptr;
    }
    if (theDirectInput) {
        theDirectInput->Release();
        theDirectInput = nullptr;
    }
}
