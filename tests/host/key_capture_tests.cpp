// Key names, and the key capture against a scripted DirectInput: the batches a
// poll can meet and every set-up step that can fail.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/key_capture.h"
#include "host/key_names.h"

TEST(KeyNameTable, NamesAtTheEdgesOfTheRunsAndHexFormsForTheRest)
{
    const struct { int code; const char* name; } rows[] = {
        {0x00, "None"}, {0x53, "Num ."}, {0x54, "x54"}, {0x56, "<>"}, {0x73, "/"}, {0x7E, "Num ."},
        {0x95, "Stop"}, {0x9C, "NEnter"}, {0xA4, "Stop"}, {0xED, "Select"}, {0xEE, "xEE"}, {0xFF, "xFF"},
    };
    for (const auto& r : rows) EXPECT_EQ(KeyNameTable[r.code], r.name) << r.code;
    int hexForms = 0;
    for (int code = 0; code < KeyNameCount; ++code) hexForms += KeyNameTable[code][0] == 'x' && KeyNameTable[code].size() == 3;
    EXPECT_EQ(hexForms, 111);
}

namespace {

enum Step { NoFailure, AtCreate, AtDevice, AtFormat, AtLevel, AtBuffer, AtAcquire, WrongSetting };

// Methods whose answer the capture does not use, if it calls them at all.
#define STUB(method, ...) \
    HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { return E_NOTIMPL; }

// DirectInput and its keyboard in one object; a set-up call with a setting other
// than the capture's fails. Each poll takes the script's tokens up to the next
// "|": "+1E" a press and "-1E" a release of code 1E, "fail" an error, "lost" the
// device lost until acquired again; a used-up script ends the capture as Cancel
// does. A press's window message arrives after DirectInput has delivered it.
class FakeDirectInput final : public IDirectInputA, public IDirectInputDeviceA {
public:
    FakeDirectInput(Step failing, const char* script) : m_failing(failing), m_script(script) {}

    int references = 0;
    bool dialogShown = false;

    HRESULT Make(DWORD version, IDirectInputA** made)
    {
        dialogShown = ::IsWindowVisible(::FindWindowA(nullptr, "Press a Key"));
        return Answer<IDirectInputA>(version == 0x700 ? AtCreate : WrongSetting, made, this);
    }
    HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID, IDirectInputDeviceA** made, IUnknown*) override { return Answer<IDirectInputDeviceA>(AtDevice, made, this); }
    HRESULT STDMETHODCALLTYPE SetDataFormat(const DIDATAFORMAT*) override { return Answer(AtFormat); }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD flags) override
    {
        return Answer(flags == (DISCL_NONEXCLUSIVE | DISCL_FOREGROUND) ? AtLevel : WrongSetting);
    }
    HRESULT STDMETHODCALLTYPE SetProperty(REFGUID property, const DIPROPHEADER* header) override
    {
        const bool size16 = &property == &DIPROP_BUFFERSIZE && reinterpret_cast<const DIPROPDWORD*>(header)->dwData == 16;
        return Answer(size16 ? AtBuffer : WrongSetting);
    }
    HRESULT STDMETHODCALLTYPE Acquire() override { m_acquired = m_failing != AtAcquire; return Answer(AtAcquire); }
    HRESULT STDMETHODCALLTYPE GetDeviceData(DWORD, DIDEVICEOBJECTDATA* records, DWORD* count, DWORD) override
    {
        HRESULT result = m_acquired ? DI_OK : DIERR_NOTACQUIRED;
        *count = 0;
        for (std::string token; m_script >> token && token != "|";) {
            if (token == "lost") m_acquired = false;
            if (token == "lost" || token == "fail")
                result = token == "lost" ? DIERR_INPUTLOST : DIERR_NOTACQUIRED;
            else  // delivered even with an error
                records[(*count)++] = {std::stoul(token.substr(1), nullptr, 16), token[0] == '+' ? 0x80u : 0u};
            if (token[0] == '+') ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
        if (!m_script) ::PostThreadMessageA(::GetCurrentThreadId(), 0, 0, 0);
        return result;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    STUB(QueryInterface, REFIID, void**) STUB(GetDeviceStatus, REFGUID) STUB(Unacquire)
    STUB(EnumDevices, DWORD, LPDIENUMDEVICESCALLBACKA, void*, DWORD) STUB(RunControlPanel, HWND, DWORD)
    STUB(Initialize, HINSTANCE, DWORD) STUB(Initialize, HINSTANCE, DWORD, REFGUID) STUB(GetCapabilities, DIDEVCAPS*)
    STUB(GetProperty, REFGUID, DIPROPHEADER*) STUB(EnumObjects, LPDIENUMDEVICEOBJECTSCALLBACKA, void*, DWORD)
    STUB(SetEventNotification, HANDLE) STUB(GetObjectInfo, DIDEVICEOBJECTINSTANCEA*, DWORD, DWORD)
    STUB(GetDeviceInfo, DIDEVICEINSTANCEA*) STUB(GetDeviceState, DWORD, void*)  // so the key never seems held

private:
    // The object is handed out, and counted, only when its step succeeds.
    template <class Interface = IUnknown>
    HRESULT Answer(Step step, Interface** made = nullptr, Interface* object = nullptr)
    {
        const bool fails = step == m_failing || step == WrongSetting;
        if (made) *made = fails ? nullptr : (AddRef(), object);
        return fails ? DIERR_GENERIC : DI_OK;
    }

    const Step m_failing;
    std::istringstream m_script;
    bool m_acquired = false;
};

FakeDirectInput* g_fake = nullptr;
HRESULT WINAPI MakeFake(HINSTANCE, DWORD version, IDirectInputA** object, IUnknown*) { return g_fake->Make(version, object); }

}  // namespace

TEST(KeyCapture, EndsWithTheLastPressOfAPollOrAtTheFirstFailingStepAndAlwaysLeavesNothing)
{
    const struct { Step failing; const char* script; int key; } rows[] = {
        {NoFailure, "+1E -1E", 0x1E},                    // pressed and released between two polls
        {NoFailure, "| -1E | +1E +2A -2A", 0x2A},        // releases are no key; of two presses the later
        {NoFailure, "fail +1E | lost +2A | +01", 0x01},  // the lost device is had back
        {NoFailure, "", -1},                             // cancelled
        {AtCreate, "+1E", -1}, {AtDevice, "+1E", -1}, {AtFormat, "+1E", -1},
        {AtLevel, "+1E", -1}, {AtBuffer, "+1E", -1}, {AtAcquire, "+1E", -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.failing << " " << r.script);
        FakeDirectInput fake(r.failing, r.script);
        g_fake = &fake;
        EXPECT_EQ(CaptureKey(nullptr, MakeFake), r.key);
        EXPECT_TRUE(fake.dialogShown);
        EXPECT_EQ(fake.references, 0);
        EXPECT_TRUE(theDirectInput == nullptr && theKeyboard == nullptr);
        EXPECT_EQ(::FindWindowA(nullptr, "Press a Key"), nullptr);
        MSG msg;
        EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE)) << "the key would act";
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    EXPECT_EQ(CaptureKey(nullptr, nullptr), -1);  // no DirectInput on the host
}
