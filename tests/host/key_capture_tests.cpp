// Key names, and the key capture against a scripted DirectInput: the batches a
// poll can meet and every set-up step that can fail.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <sstream>
#include <string>

#include "host/key_capture.h"
#include "host/key_names.h"

TEST(KeyNameTable, NamesAtTheEdgesOfTheRunsDuplicatesAndHexForms)
{
    const struct { int code; const char* name; } rows[] = {
        {0x00, "None"}, {0x01, "Esc"}, {0x29, "`"}, {0x2A, "LShift"}, {0x2B, "\\"}, {0x35, "/"}, {0x53, "Num ."},
        {0x54, "x54"}, {0x56, "<>"}, {0x5A, "x5A"}, {0x73, "/"}, {0x7E, "Num ."}, {0x95, "Stop"}, {0x9C, "NEnter"},
        {0xA4, "Stop"}, {0xB8, "RAlt"}, {0xE7, "Refrsh"}, {0xED, "Select"}, {0xEE, "xEE"}, {0xFF, "xFF"},
    };
    for (const auto& r : rows) EXPECT_EQ(KeyNameTable[r.code], r.name) << r.code;
    int hexForms = 0;
    for (int code = 0; code < KeyNameCount; ++code) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "x%02X", code);
        hexForms += KeyNameTable[code] == hex;
        EXPECT_LE(KeyNameTable[code].size(), 6u) << code;
    }
    EXPECT_EQ(hexForms, 111);
}

namespace {

enum Step { NoFailure, AtCreate, AtDevice, AtFormat, AtLevel, AtBuffer, AtAcquire };

#define NOT_CALLED(method, ...) \
    HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { return E_NOTIMPL; }

// DirectInput and its keyboard in one object, noting each call with the setting
// it was given. Each poll gets the next batch of the script: "+1E" a press and
// "-1E" a release of code 1E, "lost" or "fail" an error; a used-up script ends
// the capture as Cancel does. A press's window message arrives after DirectInput
// has delivered it.
class FakeDirectInput final : public IDirectInputA, public IDirectInputDeviceA {
public:
    FakeDirectInput(Step failing, const char* script) : m_failing(failing)
    {
        std::istringstream batches(script);
        for (std::string batch; std::getline(batches, batch, '|');) m_polls.push_back(batch);
    }

    std::string calls;
    int references = 0;
    bool dialogShown = false;

    HRESULT Make(DWORD version, IDirectInputA** object)
    {
        dialogShown = ::IsWindowVisible(::FindWindowA(nullptr, "Press a Key"));
        return Answer(AtCreate, version, reinterpret_cast<void**>(object), static_cast<IDirectInputA*>(this));
    }
    HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID guid, IDirectInputDeviceA** device, IUnknown*) override
    {
        return Answer(AtDevice, guid.Data1, reinterpret_cast<void**>(device), static_cast<IDirectInputDeviceA*>(this));
    }
    HRESULT STDMETHODCALLTYPE SetDataFormat(const DIDATAFORMAT* format) override { return Answer(AtFormat, format == &c_dfDIKeyboard); }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD flags) override { return Answer(AtLevel, flags); }
    HRESULT STDMETHODCALLTYPE SetProperty(REFGUID property, const DIPROPHEADER* header) override
    {
        return Answer(AtBuffer, &property == &DIPROP_BUFFERSIZE ? reinterpret_cast<const DIPROPDWORD*>(header)->dwData : 0);
    }
    HRESULT STDMETHODCALLTYPE Acquire() override { return Answer(AtAcquire); }
    HRESULT STDMETHODCALLTYPE Unacquire() override { return calls += " unacquire", DI_OK; }
    HRESULT STDMETHODCALLTYPE GetDeviceData(DWORD, DIDEVICEOBJECTDATA* records, DWORD* count, DWORD) override
    {
        if (m_polls.empty()) ::PostThreadMessageA(::GetCurrentThreadId(), 0, 0, 0);
        std::istringstream tokens(m_polls.empty() ? "" : m_polls.front());
        if (!m_polls.empty()) m_polls.pop_front();
        HRESULT result = DI_OK;
        *count = 0;
        for (std::string token; tokens >> token;) {
            if (token == "lost" || token == "fail")
                result = token == "lost" ? DIERR_INPUTLOST : DIERR_NOTACQUIRED;
            else  // delivered even with an error
                records[(*count)++] = {std::stoul(token.substr(1), nullptr, 16), token[0] == '+' ? 0x80u : 0u};
            if (token[0] == '+') ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
        return result;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    NOT_CALLED(QueryInterface, REFIID, void**) NOT_CALLED(GetDeviceStatus, REFGUID)
    NOT_CALLED(EnumDevices, DWORD, LPDIENUMDEVICESCALLBACKA, void*, DWORD) NOT_CALLED(RunControlPanel, HWND, DWORD)
    NOT_CALLED(Initialize, HINSTANCE, DWORD) NOT_CALLED(Initialize, HINSTANCE, DWORD, REFGUID)
    NOT_CALLED(GetCapabilities, DIDEVCAPS*) NOT_CALLED(GetProperty, REFGUID, DIPROPHEADER*)
    NOT_CALLED(EnumObjects, LPDIENUMDEVICEOBJECTSCALLBACKA, void*, DWORD) NOT_CALLED(SetEventNotification, HANDLE)
    NOT_CALLED(GetObjectInfo, DIDEVICEOBJECTINSTANCEA*, DWORD, DWORD) NOT_CALLED(GetDeviceInfo, DIDEVICEINSTANCEA*)
    NOT_CALLED(GetDeviceState, DWORD, void*)  // whether the key is still held: the capture cannot tell

private:
    HRESULT Answer(Step step, DWORD setting = 0, void** object = nullptr, IUnknown* made = nullptr)
    {
        static const char* const names[] = {"", " create", " device", " format", " level", " buffer", " acquire"};
        char noted[24];
        std::snprintf(noted, sizeof noted, setting ? "%s%lX" : "%s", names[step], static_cast<unsigned long>(setting));
        calls += noted;
        if (object) *object = step == m_failing ? nullptr : (AddRef(), made);
        return step == m_failing ? DIERR_GENERIC : DI_OK;
    }

    const Step m_failing;
    std::deque<std::string> m_polls;
};

FakeDirectInput* g_fake = nullptr;

HRESULT WINAPI MakeFake(HINSTANCE, DWORD version, IDirectInputA** object, IUnknown*)
{
    return g_fake->Make(version, object);
}

}  // namespace

TEST(KeyCapture, EndsWithTheLastPressOfAPollOrAtTheFirstFailingStepAndAlwaysLeavesNothing)
{
    // In hex: version 7, the system keyboard, its data format, non-exclusive foreground use, 16 events.
    const std::string setUp = " create700 device6F1D2B61 format1 level6 buffer10 acquire";
    const struct { Step failing; const char* script; int key; std::string calls; } rows[] = {
        {NoFailure, "+1E -1E", 0x1E, setUp},           // pressed and released between two polls
        {NoFailure, "|-1E|+1E +2A -2A", 0x2A, setUp},  // releases are no key; of two presses the later
        {NoFailure, "fail +1E|lost +2A|+01", 0x01, setUp + " acquire"},  // the lost device is had back
        {NoFailure, "", -1, setUp},                    // cancelled
        {AtCreate, "+1E", -1, " create700"},
        {AtDevice, "+1E", -1, " create700 device6F1D2B61"},
        {AtFormat, "+1E", -1, " create700 device6F1D2B61 format1"},
        {AtLevel, "+1E", -1, " create700 device6F1D2B61 format1 level6"},
        {AtBuffer, "+1E", -1, " create700 device6F1D2B61 format1 level6 buffer10"},
        {AtAcquire, "+1E", -1, setUp},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.failing << " " << r.script);
        FakeDirectInput fake(r.failing, r.script);
        g_fake = &fake;
        EXPECT_EQ(CaptureKey(nullptr, MakeFake), r.key);
        EXPECT_EQ(fake.calls, r.calls + (r.failing == AtCreate || r.failing == AtDevice ? "" : " unacquire"));
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
