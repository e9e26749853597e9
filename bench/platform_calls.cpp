#include "bench/platform_calls.h"

#include <ddraw.h>
#include <dmusicc.h>
#include <dsound.h>

namespace {
template <class T>
void Release(T*& object)
{
    if (object) object->Release();
    object = nullptr;
}

// Devices with an identifier, as the program lists them (the primary has none).
BOOL CALLBACK CountSound(GUID* guid, const char*, const char*, void* count)
{
    if (guid) ++*static_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountDisplay(GUID* guid, char*, char*, void* count, HMONITOR)
{
    if (guid) ++*static_cast<int*>(count);
    return TRUE;
}

bool HasDirectInput()
{
    HMODULE dinput = ::LoadLibraryA("DINPUT.DLL");
    const bool found = dinput && ::GetProcAddress(dinput, "DirectInputCreateA");
    if (dinput) ::FreeLibrary(dinput);
    return found;
}

DWORD ProbeSurface(IDirectDrawSurface* surface)
{
    IDirectDrawSurface3* surface3 = nullptr;
    if (FAILED(surface->QueryInterface(IID_IDirectDrawSurface3, reinterpret_cast<void**>(&surface3)))) return 0x300;
    IDirectDrawSurface4* surface4 = nullptr;
    const bool has4 = SUCCEEDED(surface->QueryInterface(IID_IDirectDrawSurface4, reinterpret_cast<void**>(&surface4)));
    Release(surface4);
    Release(surface3);
    return has4 ? 0x600 : 0x500;
}

DWORD ProbeDirectDraw(IDirectDraw* ddraw)
{
    IDirectDraw2* ddraw2 = nullptr;
    if (FAILED(ddraw->QueryInterface(IID_IDirectDraw2, reinterpret_cast<void**>(&ddraw2)))) return 0x100;
    Release(ddraw2);
    if (!HasDirectInput()) return 0x200;
    if (FAILED(ddraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL))) return 0;
    DDSURFACEDESC primary = {};
    primary.dwSize = sizeof primary;
    primary.dwFlags = DDSD_CAPS;
    primary.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    IDirectDrawSurface* surface = nullptr;
    if (FAILED(ddraw->CreateSurface(&primary, &surface, nullptr))) return 0;
    const DWORD reached = ProbeSurface(surface);
    Release(surface);
    return reached;
}

// From DirectDraw 1 to surface 4; 0 where DirectDraw is unusable.
DWORD ProbeSurfaces(HMODULE ddrawLibrary)
{
    using Create = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
    auto create = reinterpret_cast<Create>(::GetProcAddress(ddrawLibrary, "DirectDrawCreate"));
    IDirectDraw* ddraw = nullptr;
    if (!create || FAILED(create(nullptr, &ddraw, nullptr))) return 0;
    const DWORD reached = ProbeDirectDraw(ddraw);
    Release(ddraw);
    return reached;
}
}  // namespace

DWORD PlatformAspiSupportInfo()
{
    HMODULE layer = ::LoadLibraryA("wnaspi32");  // stays loaded, as layers expect
    if (!layer) return 0;
    using SupportInfo = DWORD(__cdecl*)();
    auto supportInfo = reinterpret_cast<SupportInfo>(::GetProcAddress(layer, "GetASPI32SupportInfo"));
    return supportInfo && ::GetProcAddress(layer, "SendASPI32Command") ? supportInfo() : 0;
}

DWORD PlatformDirectXProbe()
{
    OSVERSIONINFOA windows = {};
    windows.dwOSVersionInfoSize = sizeof windows;
    if (!::GetVersionExA(&windows)) return 0;
    HMODULE ddrawLibrary = ::LoadLibraryA("DDRAW.DLL");
    if (!ddrawLibrary) return 0;
    DWORD reached = ProbeSurfaces(ddrawLibrary);
    if (reached == 0x600) {
        const bool com = SUCCEEDED(::CoInitialize(nullptr));
        IDirectMusic* music = nullptr;
        if (SUCCEEDED(::CoCreateInstance(CLSID_DirectMusic, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectMusic,
                                         reinterpret_cast<void**>(&music)))) {
            reached = 0x601;
            Release(music);
        }
        if (com) ::CoUninitialize();
    }
    using CreateEx = HRESULT(WINAPI*)(GUID*, void**, REFIID, IUnknown*);
    auto createEx = reinterpret_cast<CreateEx>(::GetProcAddress(ddrawLibrary, "DirectDrawCreateEx"));
    IDirectDraw7* ddraw7 = nullptr;
    if (reached == 0x601 && createEx &&
        SUCCEEDED(createEx(nullptr, reinterpret_cast<void**>(&ddraw7), IID_IDirectDraw7, nullptr))) {
        reached = 0x700;
        Release(ddraw7);
    }
    ::FreeLibrary(ddrawLibrary);
    return reached;
}

int PlatformSoundEnumeration()
{
    int count = 0;
    HMODULE dsound = ::LoadLibraryA("dsound.dll");
    if (!dsound) return 0;
    using Enumerate = HRESULT(WINAPI*)(LPDSENUMCALLBACKA, void*);
    if (auto enumerate = reinterpret_cast<Enumerate>(::GetProcAddress(dsound, "DirectSoundEnumerateA")))
        enumerate(CountSound, &count);
    ::FreeLibrary(dsound);
    return count;
}

int PlatformDisplayEnumeration()
{
    int count = 0;
    HMODULE ddraw = ::LoadLibraryA("ddraw.dll");
    if (!ddraw) return 0;
    if (auto enumerate = reinterpret_cast<LPDIRECTDRAWENUMERATEEXA>(::GetProcAddress(ddraw, "DirectDrawEnumerateExA")))
        enumerate(CountDisplay, &count, DDENUM_ATTACHEDSECONDARYDEVICES | DDENUM_DETACHEDSECONDARYDEVICES);
    ::FreeLibrary(ddraw);
    return count;
}
