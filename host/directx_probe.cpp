#include "host/directx_probe.h"

#include <dmusicc.h>
#include <optional>
#include <string>

#include "framework/handles.h"

// The record sizes DirectDraw and Windows check; the surface description holds a
// pointer, so it is larger in a 64-bit process.
static_assert(sizeof(OSVERSIONINFOA) == 148, "version record");
#ifndef _WIN64
static_assert(sizeof(DDSURFACEDESC) == 108, "surface description");
#endif

namespace {

// A library loaded through the probe's system and freed through it again.
class ProbeLibrary {
public:
    ProbeLibrary(DirectXProbeSystem& system, const char* name)
        : m_system(system), m_module(system.LoadLibraryA(name)) {}
    ~ProbeLibrary()
    {
        if (m_module) m_system.FreeLibrary(m_module);
    }
    ProbeLibrary(const ProbeLibrary&) = delete;
    ProbeLibrary& operator=(const ProbeLibrary&) = delete;

    explicit operator bool() const { return m_module != nullptr; }
    FARPROC Find(const char* entryPoint) const { return m_system.GetProcAddress(m_module, entryPoint); }

private:
    DirectXProbeSystem& m_system;
    HMODULE m_module;
};

// COM for this thread, only while the DirectMusic probe needs it.
class ComScope {
public:
    explicit ComScope(DirectXProbeSystem& system)
        : m_system(system), m_initialised(SUCCEEDED(system.CoInitialize())) {}
    // A refused initialisation (the thread is already in another apartment) must
    // not be balanced: that would tear down somebody else's COM.
    ~ComScope()
    {
        if (m_initialised) m_system.CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    DirectXProbeSystem& m_system;
    bool m_initialised;
};

void Report(DirectXProbeSystem& system, const char* problem)
{
    system.OutputDebugStringA((std::string(problem) + "\r\n").c_str());
}

// DirectInput came with DirectX 3. Its entry point is only looked up, never
// called. On Windows NT 4 the library is freed as soon as the entry point has
// been looked up, before a missing one is reported; elsewhere on return.
bool HasDirectInput(DirectXProbeSystem& system, bool freeBeforeReport)
{
    std::optional<ProbeLibrary> dinput(std::in_place, system, "DINPUT.DLL");
    if (!*dinput) {
        Report(system, "Couldn't LoadLibrary DInput");
        return false;
    }
    const bool found = dinput->Find("DirectInputCreateA") != nullptr;
    if (freeBeforeReport) dinput.reset();
    if (!found) Report(system, "Couldn't GetProcAddress DInputCreate");
    return found;
}

// From the DirectDraw object to the interfaces of its primary surface. Everything
// obtained here is released on return, before DirectMusic is tried.
DWORD ProbeDirectDraw(DirectXProbeSystem& system, FARPROC directDrawCreate)
{
    com_ptr<IDirectDraw> ddraw;
    if (FAILED(system.DirectDrawCreate(directDrawCreate, ddraw.put())) || !ddraw) {
        Report(system, "Couldn't create DDraw");
        return DirectXNone;
    }
    {
        com_ptr<IDirectDraw2> ddraw2;
        if (FAILED(ddraw->QueryInterface(IID_IDirectDraw2, ddraw2.put_void()))) {
            Report(system, "Couldn't QI DDraw2");
            return DirectX1;
        }
    }
    if (!HasDirectInput(system, false)) return DirectX2;

    // A DirectDraw that cannot even share the desktop or reach the primary surface
    // is of no use to the emulator, whatever interfaces it has.
    if (FAILED(system.SetCooperativeLevel(ddraw.get(), nullptr, DDSCL_NORMAL))) {
        Report(system, "Couldn't Set coop level");
        return DirectXNone;
    }
    DDSURFACEDESC primary = {};
    primary.dwSize = sizeof primary;
    primary.dwFlags = DDSD_CAPS;
    primary.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    com_ptr<IDirectDrawSurface> surface;
    if (FAILED(system.CreateSurface(ddraw.get(), &primary, surface.put())) || !surface) {
        Report(system, "Couldn't CreateSurface");
        return DirectXNone;
    }
    com_ptr<IDirectDrawSurface3> surface3;
    if (FAILED(surface->QueryInterface(IID_IDirectDrawSurface3, surface3.put_void()))) return DirectX3;
    com_ptr<IDirectDrawSurface4> surface4;
    if (FAILED(surface->QueryInterface(IID_IDirectDrawSurface4, surface4.put_void()))) return DirectX5;
    return DirectX6;
}

bool CanCreateDirectMusic(DirectXProbeSystem& system)
{
    ComScope com(system);
    com_ptr<IDirectMusic> music;  // released before COM goes
    if (FAILED(system.CoCreateInstance(CLSID_DirectMusic, CLSCTX_INPROC_SERVER, IID_IDirectMusic,
                                       music.put_void()))) {
        Report(system, "Couldn't create CLSID_DirectMusic");
        return false;
    }
    return true;
}

}  // namespace

DWORD ProbeDirectXVersion(DirectXProbeSystem& system)
{
    OSVERSIONINFOA windows = {};
    windows.dwOSVersionInfoSize = sizeof windows;
    if (!system.GetVersionExA(&windows)) return DirectXNone;

    // NT before 5 had at most DirectX 3, and its DirectDraw is not worth probing.
    if (windows.dwPlatformId == VER_PLATFORM_WIN32_NT && windows.dwMajorVersion < 5) {
        if (windows.dwMajorVersion < 4) return DirectXNone;
        return HasDirectInput(system, true) ? DirectX3 : DirectX2;
    }

    ProbeLibrary ddrawLibrary(system, "DDRAW.DLL");
    if (!ddrawLibrary) return DirectXNone;
    FARPROC directDrawCreate = ddrawLibrary.Find("DirectDrawCreate");
    if (!directDrawCreate) {
        Report(system, "Couldn't LoadLibrary DDraw");
        return DirectXNone;
    }
    DWORD reached = ProbeDirectDraw(system, directDrawCreate);
    if (reached != DirectX6) return reached;
    if (!CanCreateDirectMusic(system)) return DirectX6;

    FARPROC directDrawCreateEx = ddrawLibrary.Find("DirectDrawCreateEx");
    if (!directDrawCreateEx) return DirectX61;
    com_ptr<IDirectDraw7> ddraw7;  // declared after the library: released before it is freed
    if (FAILED(system.DirectDrawCreateEx(directDrawCreateEx, ddraw7.put()))) return DirectX61;
    return DirectX7;
}
