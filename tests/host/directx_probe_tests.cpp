// The DirectX probe against a scripted system: one row per way the probe can end,
// named after the step that fails.
#include <gtest/gtest.h>

#include <dmusicc.h>
#include <string>

#include "host/directx_probe.h"

namespace {

enum Step { NoFailure, VersionQuery, DDrawDll, DDrawCreateEntry, DDrawObject, DDraw2, DInputDll, DInputEntry,
            Cooperation, PrimarySurface, Surface3, Surface4, DirectMusic, DDrawCreateExEntry, DDraw7, Unknown };

struct Outcome {
    const char* name;
    DWORD platform, major;
    Step failing;
    DWORD version;
    const char* debugText;
    const char* loads;
};

const HMODULE DDrawModule = reinterpret_cast<HMODULE>(0x1000);
const HMODULE DInputModule = reinterpret_cast<HMODULE>(0x2000);
void SomeEntryPoint() {}

// The system and, to keep the count of references in one place, every object it
// hands out: each answers for the interfaces whose step does not fail.
class FakeSystem final : public DirectXProbeSystem, public IUnknown {
public:
    explicit FakeSystem(const Outcome& outcome) : m_outcome(outcome) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        const Step step = IsEqualIID(iid, IID_IDirectDraw2)         ? DDraw2
                          : IsEqualIID(iid, IID_IDirectDrawSurface3) ? Surface3
                          : IsEqualIID(iid, IID_IDirectDrawSurface4) ? Surface4
                                                                     : Unknown;
        return Create(step, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    std::string debugText, loads;
    int references = 0, modules = 0, referencesAtDDrawFree = 0, badArguments = 0, modulesAtMessage = 0;
    int comInitialisations = 0, comUninitialisations = 0, referencesAtComChanges = 0;

    BOOL GetVersionExA(OSVERSIONINFOA* info) override
    {
        badArguments += info->dwOSVersionInfoSize != sizeof *info;
        info->dwPlatformId = m_outcome.platform;
        info->dwMajorVersion = m_outcome.major;
        return !Fails(VersionQuery);
    }
    HMODULE LoadLibraryA(const char* name) override
    {
        loads += std::string(loads.empty() ? "" : " ") + name;
        const bool ddraw = std::string(name) == "DDRAW.DLL";
        if (Fails(ddraw ? DDrawDll : DInputDll)) return nullptr;
        ++modules;
        return ddraw ? DDrawModule : DInputModule;
    }
    FARPROC GetProcAddress(HMODULE module, const char* name) override
    {
        const std::string entry = name;
        const Step step = module == DInputModule ? (entry == "DirectInputCreateA" ? DInputEntry : Unknown)
                        : entry == "DirectDrawCreate" ? DDrawCreateEntry
                        : entry == "DirectDrawCreateEx" ? DDrawCreateExEntry : Unknown;
        return step == Unknown || Fails(step) ? nullptr : reinterpret_cast<FARPROC>(&SomeEntryPoint);
    }
    void FreeLibrary(HMODULE module) override
    {
        --modules;
        if (module == DDrawModule) referencesAtDDrawFree = references;
    }
    void OutputDebugStringA(const char* text) override { debugText += text; modulesAtMessage = modules; }

    HRESULT DirectDrawCreate(FARPROC, IDirectDraw** ddraw) override
    {
        return Create(DDrawObject, reinterpret_cast<void**>(ddraw));
    }
    HRESULT DirectDrawCreateEx(FARPROC, IDirectDraw7** ddraw) override
    {
        return Create(DDraw7, reinterpret_cast<void**>(ddraw));
    }
    HRESULT SetCooperativeLevel(IDirectDraw*, HWND window, DWORD flags) override
    {
        badArguments += window || flags != DDSCL_NORMAL;
        return Fails(Cooperation) ? DDERR_INVALIDPARAMS : S_OK;
    }
    HRESULT CreateSurface(IDirectDraw*, DDSURFACEDESC* desc, IDirectDrawSurface** surface) override
    {
        badArguments += desc->dwSize != sizeof *desc || desc->dwFlags != DDSD_CAPS ||
                        desc->ddsCaps.dwCaps != DDSCAPS_PRIMARYSURFACE || desc->dwWidth || desc->dwHeight;
        return Create(PrimarySurface, reinterpret_cast<void**>(surface));
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
    bool Fails(Step step) const { return m_outcome.failing == step; }
    HRESULT Create(Step step, void** object)
    {
        *object = nullptr;
        if (step == Unknown || Fails(step)) return E_NOINTERFACE;
        AddRef();
        *object = static_cast<IUnknown*>(this);
        return S_OK;
    }

    const Outcome m_outcome;
};

const DWORD NT = VER_PLATFORM_WIN32_NT, Win9x = VER_PLATFORM_WIN32_WINDOWS;
const char* const Both = "DDRAW.DLL DINPUT.DLL";

const Outcome outcomes[] = {
    {"VersionUnknown", NT, 5, VersionQuery, 0, "", ""},
    {"NT3", NT, 3, NoFailure, 0, "", ""},
    {"NT4WithDirectInput", NT, 4, NoFailure, 0x300, "", "DINPUT.DLL"},
    {"NT4WithoutDInputDll", NT, 4, DInputDll, 0x200, "Couldn't LoadLibrary DInput\r\n", "DINPUT.DLL"},
    {"NT4WithoutDirectInputCreate", NT, 4, DInputEntry, 0x200, "Couldn't GetProcAddress DInputCreate\r\n", "DINPUT.DLL"},
    {"NoDDrawDll", Win9x, 4, DDrawDll, 0, "", "DDRAW.DLL"},
    {"NoDirectDrawCreate", Win9x, 4, DDrawCreateEntry, 0, "Couldn't LoadLibrary DDraw\r\n", "DDRAW.DLL"},
    {"CreationFails", Win9x, 4, DDrawObject, 0, "Couldn't create DDraw\r\n", "DDRAW.DLL"},
    {"NoDirectDraw2", Win9x, 4, DDraw2, 0x100, "Couldn't QI DDraw2\r\n", "DDRAW.DLL"},
    {"NoDInputDll", Win9x, 4, DInputDll, 0x200, "Couldn't LoadLibrary DInput\r\n", Both},
    {"CooperativeLevelFails", Win9x, 4, Cooperation, 0, "Couldn't Set coop level\r\n", Both},
    {"PrimarySurfaceFails", Win9x, 4, PrimarySurface, 0, "Couldn't CreateSurface\r\n", Both},
    {"NoSurface3", Win9x, 4, Surface3, 0x300, "", Both},
    {"NoSurface4", Win9x, 4, Surface4, 0x500, "", Both},
    {"NoDirectMusic", Win9x, 4, DirectMusic, 0x600, "Couldn't create CLSID_DirectMusic\r\n", Both},
    {"NoDirectDrawCreateEx", Win9x, 4, DDrawCreateExEntry, 0x601, "", Both},
    {"DirectDraw7Fails", Win9x, 4, DDraw7, 0x601, "", Both},
    {"DirectDraw7OnWindows98", Win9x, 4, NoFailure, 0x700, "", Both},
    {"DirectDraw7OnWindows2000", NT, 5, NoFailure, 0x700, "", Both},
};

class DirectXProbe : public ::testing::TestWithParam<Outcome> {};

TEST_P(DirectXProbe, ReachesItsVersionAndLeavesNothingBehind)
{
    const Outcome& outcome = GetParam();
    FakeSystem system(outcome);

    EXPECT_EQ(outcome.version, ProbeDirectXVersion(system));
    EXPECT_EQ(outcome.debugText, system.debugText);
    EXPECT_EQ(outcome.loads, system.loads);
    EXPECT_EQ(0, system.badArguments);
    EXPECT_EQ(0, system.modules);
    EXPECT_EQ(0, system.references);
    EXPECT_EQ(0, system.referencesAtDDrawFree);
    EXPECT_EQ(outcome.platform == NT ? 0 : system.modulesAtMessage, system.modulesAtMessage);  // NT 4 frees first
    // COM only around DirectMusic, balanced, with no DirectX object alive then.
    EXPECT_EQ(outcome.version >= 0x600 ? 1 : 0, system.comInitialisations);
    EXPECT_EQ(system.comInitialisations, system.comUninitialisations);
    EXPECT_EQ(0, system.referencesAtComChanges);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, DirectXProbe, ::testing::ValuesIn(outcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) { return std::string(info.param.name); });

}  // namespace
