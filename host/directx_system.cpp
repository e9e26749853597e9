// The real system behind the DirectX probe: each call goes straight to Windows.
#include "host/directx_probe.h"

#include "host/host_inventory.h"

namespace {

class SystemForDirectXProbe final : public DirectXProbeSystem {
public:
    BOOL GetVersionExA(OSVERSIONINFOA* info) override { return ::GetVersionExA(info); }
    HMODULE LoadLibraryA(const char* name) override { return ::LoadLibraryA(name); }
    FARPROC GetProcAddress(HMODULE module, const char* name) override { return ::GetProcAddress(module, name); }
    void FreeLibrary(HMODULE module) override { ::FreeLibrary(module); }
    void OutputDebugStringA(const char* text) override { ::OutputDebugStringA(text); }

    HRESULT DirectDrawCreate(FARPROC entry, IDirectDraw** ddraw) override
    {
        using Create = HRESULT(WINAPI*)(GUID* driver, IDirectDraw** ddraw, IUnknown* outer);
        return reinterpret_cast<Create>(entry)(nullptr, ddraw, nullptr);
    }
    HRESULT DirectDrawCreateEx(FARPROC entry, IDirectDraw7** ddraw) override
    {
        using CreateEx = HRESULT(WINAPI*)(GUID* driver, void** ddraw, REFIID iid, IUnknown* outer);
        return reinterpret_cast<CreateEx>(entry)(nullptr, reinterpret_cast<void**>(ddraw), IID_IDirectDraw7, nullptr);
    }
    HRESULT SetCooperativeLevel(IDirectDraw* ddraw, HWND window, DWORD flags) override
    {
        return ddraw->SetCooperativeLevel(window, flags);
    }
    HRESULT CreateSurface(IDirectDraw* ddraw, DDSURFACEDESC* desc, IDirectDrawSurface** surface) override
    {
        return ddraw->CreateSurface(desc, surface, nullptr);
    }

    HRESULT CoInitialize() override { return ::CoInitialize(nullptr); }
    HRESULT CoCreateInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object) override
    {
        return ::CoCreateInstance(clsid, nullptr, context, iid, object);
    }
    void CoUninitialize() override { ::CoUninitialize(); }
};

}  // namespace

void DetectDirectXVersion()
{
    SystemForDirectXProbe system;
    HostInventory.DirectXVersion = ProbeDirectXVersion(system);
}
