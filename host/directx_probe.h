#pragma once
// Which DirectX release is installed, found by asking for the interfaces each
// release added, oldest first, and stopping at the first one missing.
#include <windows.h>
#include <ddraw.h>

// Values of HostInventory.DirectXVersion: major release in bits 8-11, minor in the low byte.
enum : DWORD {
    DirectXNone = 0,
    DirectX1 = 0x100,   // a DirectDraw object can be created
    DirectX2 = 0x200,   // DirectDraw 2, or Windows NT 4 without DirectInput
    DirectX3 = 0x300,   // DirectInput
    DirectX5 = 0x500,   // surface interface 3
    DirectX6 = 0x600,   // surface interface 4
    DirectX61 = 0x601,  // DirectMusic
    DirectX7 = 0x700,   // DirectDraw 7
};

// Every call the probe makes to the system, so that tests can script each answer.
// The probe only asks the DirectDraw objects it is handed for interfaces and
// releases them; everything else goes through here.
class DirectXProbeSystem {
public:
    virtual ~DirectXProbeSystem() = default;
    virtual BOOL GetVersionExA(OSVERSIONINFOA* info) = 0;
    virtual HMODULE LoadLibraryA(const char* name) = 0;
    virtual FARPROC GetProcAddress(HMODULE module, const char* name) = 0;
    virtual void FreeLibrary(HMODULE module) = 0;
    virtual void OutputDebugStringA(const char* text) = 0;
    // Calls the DirectDrawCreate entry point for the default driver.
    virtual HRESULT DirectDrawCreate(FARPROC entry, IDirectDraw** ddraw) = 0;
    // Calls the DirectDrawCreateEx entry point for the default driver.
    virtual HRESULT DirectDrawCreateEx(FARPROC entry, IDirectDraw7** ddraw) = 0;
    virtual HRESULT SetCooperativeLevel(IDirectDraw* ddraw, HWND window, DWORD flags) = 0;
    virtual HRESULT CreateSurface(IDirectDraw* ddraw, DDSURFACEDESC* desc, IDirectDrawSurface** surface) = 0;
    virtual HRESULT CoInitialize() = 0;
    virtual HRESULT CoCreateInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object) = 0;
    virtual void CoUninitialize() = 0;
};

// Runs the probe against `system` and returns the version it reached. Problems go
// to the debugger output only; every object is released and every library freed
// before it returns.
DWORD ProbeDirectXVersion(DirectXProbeSystem& system);

// Start-up step: HostInventory.DirectXVersion from the probe run on the real system.
void DetectDirectXVersion();
