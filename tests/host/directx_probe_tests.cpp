// The DirectX probe against a scripted system: one row per way the probe can end,
// named after the step that fails.
#include <gtest/gtest.h>

#include <string>

#include "host/directx_probe.h"

namespace {

// The calls that can fail, in the order the probe makes them on Windows 98; on
// Windows NT 4 it loads DINPUT.DLL second.
enum Step { NoFailure, VersionQuery, DDrawDll, DDrawCreateEntry, DDrawObject, DDraw2, DInputDll, DInputEntry,
            Cooperation, PrimarySurface, Surface3, Surface4, DirectMusic, DDrawCreateExEntry, DDraw7,
            NT4DInputDll = DDrawDll, NT4DInputEntry = DDrawCreateEntry };

// The system and, to keep the count of references in one place, every object it
// hands out; the call that can fail at the row's step fails. Bad: a DirectX object
// alive when DDRAW.DLL is freed or COM comes or goes, a message written on Windows
// NT while DINPUT.DLL is loaded. Wrong arguments are left to the run on Wine's
// DirectX, which refuses them (SystemFacts).
class FakeSystem final : public DirectXProbeSystem, public IUnknown {
public:
    FakeSystem(DWORD platform, DWORD major, Step failing) : m_version{0, major, 0, 0, platform}, m_failing(failing) {}

    std::string debugText, com;
    int references = 0, modules = 0, bad = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override { return Create(object); }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    BOOL GetVersionExA(OSVERSIONINFOA* info) override
    {
        *info = m_version;
        return !Fails();
    }
    HMODULE LoadLibraryA(const char*) override { return Fails() ? nullptr : reinterpret_cast<HMODULE>(++modules); }
    FARPROC GetProcAddress(HMODULE, const char*) override { return Fails() ? nullptr : reinterpret_cast<FARPROC>(1); }
    void FreeLibrary(HMODULE) override { bad += --modules == 0 && references; }  // DDRAW.DLL goes last
    void OutputDebugStringA(const char* text) override
    {
        debugText += text;
        bad += m_version.dwPlatformId == VER_PLATFORM_WIN32_NT && modules;
    }
    HRESULT DirectDrawCreate(FARPROC, IDirectDraw** ddraw) override { return Create(ddraw); }
    HRESULT DirectDrawCreateEx(FARPROC, IDirectDraw7** ddraw) override { return Create(ddraw); }
    HRESULT SetCooperativeLevel(IDirectDraw*, HWND, DWORD) override { return Fails() ? E_FAIL : S_OK; }
    HRESULT CreateSurface(IDirectDraw*, DDSURFACEDESC*, IDirectDrawSurface** made) override { return Create(made); }
    HRESULT CoInitialize() override { return Com("("); }
    HRESULT CoCreateInstance(REFCLSID, DWORD, REFIID, void** object) override
    {
        com += "music";
        return Create(object);
    }
    void CoUninitialize() override { Com(")"); }

private:
    bool Fails() { return ++m_calls == m_failing; }
    template <class Interface>
    HRESULT Create(Interface** object)
    {
        *object = Fails() ? nullptr : reinterpret_cast<Interface*>(static_cast<IUnknown*>(this));
        if (*object) AddRef();
        return *object ? S_OK : E_NOINTERFACE;
    }
    HRESULT Com(const char* change)
    {
        bad += references;
        com += change;
        return S_OK;
    }

    const OSVERSIONINFOA m_version;
    const int m_failing;
    int m_calls = 0;
};

TEST(DirectXProbe, ReachesItsVersionAndLeavesNothingBehind)
{
    const DWORD NT = VER_PLATFORM_WIN32_NT, Win98 = VER_PLATFORM_WIN32_WINDOWS;
    // `problem`: the debug message without "Couldn't " and the line end.
    const struct { DWORD platform, major; Step failing; DWORD version; std::string problem; } rows[] = {
        {NT, 5, VersionQuery, 0, ""}, {NT, 3, NoFailure, 0, ""}, {NT, 4, NoFailure, 0x300, ""},
        {NT, 4, NT4DInputDll, 0x200, "LoadLibrary DInput"},
        {NT, 4, NT4DInputEntry, 0x200, "GetProcAddress DInputCreate"},
        {Win98, 4, DDrawDll, 0, ""}, {Win98, 4, DDrawCreateEntry, 0, "LoadLibrary DDraw"},
        {Win98, 4, DDrawObject, 0, "create DDraw"}, {Win98, 4, DDraw2, 0x100, "QI DDraw2"},
        {Win98, 4, DInputDll, 0x200, "LoadLibrary DInput"}, {Win98, 4, Cooperation, 0, "Set coop level"},
        {Win98, 4, PrimarySurface, 0, "CreateSurface"}, {Win98, 4, Surface3, 0x300, ""},
        {Win98, 4, Surface4, 0x500, ""}, {Win98, 4, DirectMusic, 0x600, "create CLSID_DirectMusic"},
        {Win98, 4, DDrawCreateExEntry, 0x601, ""}, {Win98, 4, DDraw7, 0x601, ""},
        {Win98, 4, NoFailure, 0x700, ""}, {NT, 5, NoFailure, 0x700, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "Windows " << r.major << ", failing at step " << r.failing);
        FakeSystem system(r.platform, r.major, r.failing);
        EXPECT_EQ(ProbeDirectXVersion(system), r.version);
        EXPECT_EQ(system.debugText, r.problem.empty() ? "" : "Couldn't " + r.problem + "\r\n");
        EXPECT_EQ(system.com, r.version >= 0x600 ? "(music)" : "");  // COM only around DirectMusic
        EXPECT_EQ(system.bad + system.modules + system.references, 0);
    }
}

}  // namespace
