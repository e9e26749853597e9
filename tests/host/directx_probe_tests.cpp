// The DirectX probe against a scripted system: one row per way the probe can end,
// named after the step that fails.
#include <gtest/gtest.h>

#include <dmusicc.h>
#include <string>

#include "host/directx_probe.h"

namespace {

enum Step { NoFailure, VersionQuery, DDrawDll, DDrawCreateEntry, DDrawObject, DDraw2, DInputDll, DInputEntry,
            Cooperation, PrimarySurface, Surface3, Surface4, DirectMusic, DDrawCreateExEntry, DDraw7, Unknown };

const HMODULE DDrawModule = reinterpret_cast<HMODULE>(0x1000), DInputModule = reinterpret_cast<HMODULE>(0x2000);
void SomeEntryPoint() {}

// The system and, to keep the count of references in one place, every object it
// hands out: each answers for the interfaces whose step does not fail. Arguments
// other than the ones the probe must pass count as bad.
class FakeSystem final : public DirectXProbeSystem, public IUnknown {
public:
    FakeSystem(DWORD platform, DWORD major, Step failing) : m_platform(platform), m_major(major), m_failing(failing) {}

    std::string debugText, loads;
    int references = 0, modules = 0, referencesAtDDrawFree = 0, badArguments = 0, modulesAtMessage = 0;
    int comInitialisations = 0, comUninitialisations = 0, referencesAtComChanges = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        return Create(IsEqualIID(iid, IID_IDirectDraw2) ? DDraw2 : IsEqualIID(iid, IID_IDirectDrawSurface3) ? Surface3
                      : IsEqualIID(iid, IID_IDirectDrawSurface4) ? Surface4 : Unknown, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    BOOL GetVersionExA(OSVERSIONINFOA* info) override
    {
        badArguments += info->dwOSVersionInfoSize != sizeof *info;
        info->dwPlatformId = m_platform;
        info->dwMajorVersion = m_major;
        return m_failing != VersionQuery;
    }
    HMODULE LoadLibraryA(const char* name) override
    {
        loads += std::string(loads.empty() ? "" : " ") + name;
        const bool ddraw = std::string(name) == "DDRAW.DLL";
        if (m_failing == (ddraw ? DDrawDll : DInputDll)) return nullptr;
        ++modules;
        return ddraw ? DDrawModule : DInputModule;
    }
    FARPROC GetProcAddress(HMODULE module, const char* name) override
    {
        const std::string entry = name;
        const Step step = module == DInputModule ? (entry == "DirectInputCreateA" ? DInputEntry : Unknown)
                        : entry == "DirectDrawCreate" ? DDrawCreateEntry : entry == "DirectDrawCreateEx" ? DDrawCreateExEntry
                        : Unknown;
        return step == Unknown || step == m_failing ? nullptr : reinterpret_cast<FARPROC>(&SomeEntryPoint);
    }
    void FreeLibrary(HMODULE module) override
    {
        --modules;
        if (module == DDrawModule) referencesAtDDrawFree = references;
    }
    void OutputDebugStringA(const char* text) override { debugText += text; modulesAtMessage = modules; }
    HRESULT DirectDrawCreate(FARPROC, IDirectDraw** ddraw) override { return Create(DDrawObject, ddraw); }
    HRESULT DirectDrawCreateEx(FARPROC, IDirectDraw7** ddraw) override { return Create(DDraw7, ddraw); }
    HRESULT SetCooperativeLevel(IDirectDraw*, HWND window, DWORD flags) override
    {
        badArguments += window || flags != DDSCL_NORMAL;
        return m_failing == Cooperation ? DDERR_INVALIDPARAMS : S_OK;
    }
    HRESULT CreateSurface(IDirectDraw*, DDSURFACEDESC* desc, IDirectDrawSurface** surface) override
    {
        badArguments += desc->dwSize != sizeof *desc || desc->dwFlags != DDSD_CAPS ||
                        desc->ddsCaps.dwCaps != DDSCAPS_PRIMARYSURFACE || desc->dwWidth || desc->dwHeight;
        return Create(PrimarySurface, surface);
    }
    HRESULT CoInitialize() override
    {
        referencesAtComChanges += references;
        ++comInitialisations;
        return S_OK;
    }
    HRESULT CoCreateInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object) override
    {
        badArguments += !IsEqualCLSID(clsid, CLSID_DirectMusic) || !IsEqualIID(iid, IID_IDirectMusic) ||
                        context != CLSCTX_INPROC_SERVER || comInitialisations != 1;
        return Create(DirectMusic, object);
    }
    void CoUninitialize() override
    {
        referencesAtComChanges += references;
        ++comUninitialisations;
    }

private:
    template <class Interface>
    HRESULT Create(Step step, Interface** object)
    {
        const bool fails = step == Unknown || step == m_failing;
        *object = fails ? nullptr : reinterpret_cast<Interface*>(static_cast<IUnknown*>(this));
        return fails ? E_NOINTERFACE : (AddRef(), S_OK);
    }

    const DWORD m_platform, m_major;
    const Step m_failing;
};

TEST(DirectXProbe, ReachesItsVersionAndLeavesNothingBehind)
{
    const DWORD NT = VER_PLATFORM_WIN32_NT, Win9x = VER_PLATFORM_WIN32_WINDOWS;
    const std::string both = "DDRAW.DLL DINPUT.DLL";
    const struct { DWORD platform, major; Step failing; DWORD version; std::string debugText, loads; } rows[] = {
        {NT, 5, VersionQuery, 0, "", ""},
        {NT, 3, NoFailure, 0, "", ""},
        {NT, 4, NoFailure, 0x300, "", "DINPUT.DLL"},
        {NT, 4, DInputDll, 0x200, "Couldn't LoadLibrary DInput\r\n", "DINPUT.DLL"},
        {NT, 4, DInputEntry, 0x200, "Couldn't GetProcAddress DInputCreate\r\n", "DINPUT.DLL"},
        {Win9x, 4, DDrawDll, 0, "", "DDRAW.DLL"},
        {Win9x, 4, DDrawCreateEntry, 0, "Couldn't LoadLibrary DDraw\r\n", "DDRAW.DLL"},
        {Win9x, 4, DDrawObject, 0, "Couldn't create DDraw\r\n", "DDRAW.DLL"},
        {Win9x, 4, DDraw2, 0x100, "Couldn't QI DDraw2\r\n", "DDRAW.DLL"},
        {Win9x, 4, DInputDll, 0x200, "Couldn't LoadLibrary DInput\r\n", both},
        {Win9x, 4, Cooperation, 0, "Couldn't Set coop level\r\n", both},
        {Win9x, 4, PrimarySurface, 0, "Couldn't CreateSurface\r\n", both},
        {Win9x, 4, Surface3, 0x300, "", both},
        {Win9x, 4, Surface4, 0x500, "", both},
        {Win9x, 4, DirectMusic, 0x600, "Couldn't create CLSID_DirectMusic\r\n", both},
        {Win9x, 4, DDrawCreateExEntry, 0x601, "", both},
        {Win9x, 4, DDraw7, 0x601, "", both},
        {Win9x, 4, NoFailure, 0x700, "", both},
        {NT, 5, NoFailure, 0x700, "", both},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.platform << " " << r.major << " failing at step " << r.failing);
        FakeSystem system(r.platform, r.major, r.failing);
        EXPECT_EQ(ProbeDirectXVersion(system), r.version);
        EXPECT_EQ(system.debugText, r.debugText);
        EXPECT_EQ(system.loads, r.loads);
        EXPECT_EQ(system.badArguments + system.modules + system.references + system.referencesAtDDrawFree, 0);
        EXPECT_EQ(system.modulesAtMessage, r.platform == NT ? 0 : system.modulesAtMessage);  // NT 4 frees first
        // COM only around DirectMusic, balanced, with no DirectX object alive then.
        EXPECT_EQ(system.comInitialisations, r.version >= 0x600 ? 1 : 0);
        EXPECT_EQ(system.comUninitialisations, system.comInitialisations);
        EXPECT_EQ(system.referencesAtComChanges, 0);
    }
}

}  // namespace
