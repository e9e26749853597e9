// Key names, and the key capture against a scripted DirectInput: the batches a
// poll can meet and every set-up step that can fail.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "host/key_capture.h"
#include "host/key_names.h"
#include "host/keyboard_input.h"
#include "host/press_key_dlg.h"

TEST(KeyNameTable, NamesAtTheEdgesOfTheRunsAndTheDuplicates)
{
    const struct { int code; const char* name; } rows[] = {
        {0x00, "None"}, {0x53, "Num ."}, {0x54, "x54"}, {0x56, "<>"}, {0x73, "/"}, {0x7E, "Num ."},
        {0x95, "Stop"}, {0x9C, "NEnter"}, {0xA4, "Stop"}, {0xED, "Select"}, {0xEE, "xEE"}, {0xFF, "xFF"},
    };
    for (const auto& r : rows) EXPECT_EQ(KeyNameTable[r.code], r.name) << r.code;
}

namespace {

// The set-up calls in the order the capture makes them.
enum Step { NoFailure, AtCreate, AtDevice, AtFormat, AtLevel, AtBuffer, AtAcquire };
// The capture shares the keyboard and reads it only while in front.
const DWORD Level = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND;

// Methods whose answer the capture does not use, if it calls them at all.
#define STUB(method, ...) \
    HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { return E_NOTIMPL; }

// DirectInput and its keyboard in one object, counting the references to both;
// the set-up call at the row's step fails, and so does another cooperation level.
// Each poll takes the script's tokens up to the next "|": "+1E" a press and "-1E"
// a release of code 1E, "fail" an error; "away" another window takes the front,
// which unacquires the keyboard (as Wine answers: "not acquired" from then on),
// "lost" the same as Windows answers (once "input lost", then "not acquired"),
// "back" the dialog is in front again. Acquiring fails while another window is in
// front, and keys pressed then are that window's. A poll that finds the script
// used up ends the capture as Cancel does. A press's window message arrives after
// DirectInput has delivered it.
class FakeDirectInput final : public IDirectInputA, public IDirectInputDeviceA {
public:
    FakeDirectInput(Step failing, const char* script) : m_failing(failing), m_script(script) {}

    int references = 0;
    bool dialogShown = false;  // when DirectInput was asked for

    template <class Interface>
    HRESULT Make(Interface** made)
    {
        *made = Fails() ? nullptr : this;
        if (*made) AddRef();
        return *made ? DI_OK : DIERR_GENERIC;
    }
    HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID, IDirectInputDeviceA** out, IUnknown*) override { return Make(out); }
    HRESULT STDMETHODCALLTYPE SetDataFormat(const DIDATAFORMAT*) override { return Answer(); }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD flags) override { return Answer(flags == Level); }
    HRESULT STDMETHODCALLTYPE SetProperty(REFGUID, const DIPROPHEADER*) override { return Answer(); }
    HRESULT STDMETHODCALLTYPE Acquire() override
    {
        if (Fails() || !m_front) return DIERR_OTHERAPPHASPRIO;
        m_acquired = true;
        return DI_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDeviceData(DWORD, DIDEVICEOBJECTDATA* records, DWORD* count, DWORD) override
    {
        if (m_script.peek() == EOF) ::PostThreadMessageA(::GetCurrentThreadId(), kCaptureEndSignal, 0, 0);
        HRESULT result = DI_OK;
        *count = 0;
        for (std::string token; m_script >> token && token != "|";) {
            if (token == "fail") {
                result = DIERR_GENERIC;
            } else if (token == "away" || token == "lost") {
                m_front = m_acquired = false;
                m_inputLost = token == "lost";
            } else if (token == "back") {
                m_front = true;
            } else if (m_acquired) {  // delivered even with an error
                records[(*count)++] = {std::stoul(token.substr(1), nullptr, 16), token[0] == '+' ? 0x80u : 0u};
                if (token[0] == '+') ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
            }
        }
        if (!m_acquired) return std::exchange(m_inputLost, false) ? DIERR_INPUTLOST : DIERR_NOTACQUIRED;
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
    bool Fails() { return ++m_calls == m_failing; }
    HRESULT Answer(bool rightSetting = true) { return Fails() || !rightSetting ? DIERR_GENERIC : DI_OK; }

    const int m_failing;
    int m_calls = 0;
    std::istringstream m_script;
    bool m_front = true, m_acquired = false, m_inputLost = false;
};

FakeDirectInput* g_fake = nullptr;
HRESULT WINAPI MakeFake(HINSTANCE, DWORD version, IDirectInputA** made, IUnknown*)
{
    g_fake->dialogShown = ::IsWindowVisible(::FindWindowA(nullptr, "Press a Key"));
    return version == 0x700 ? g_fake->Make(made) : DIERR_OLDDIRECTINPUTVERSION;
}

}  // namespace

TEST(KeyCapture, EndsWithTheLastPressOfAPollTakingTheKeyboardBackOrAtAFailingSetUpStepAndLeavesNothing)
{
    const struct { Step failing; const char* script; int key; } rows[] = {
        {NoFailure, "+1E -1E", 0x1E},                    // pressed and released between two polls
        {NoFailure, "| -1E | +1E +2A -2A", 0x2A},        // releases are no key; of two presses the later
        {NoFailure, "fail +1E | lost +2A | back | +01", 0x01},  // had back once the dialog is in front
        {NoFailure, "away | +1E | | back | +30", 0x30},         // the same where no "input lost" comes
        {NoFailure, "", -1},                                    // cancelled
        {AtCreate, "+1E", -1}, {AtDevice, "+1E", -1}, {AtFormat, "+1E", -1},
        {AtLevel, "+1E", -1}, {AtBuffer, "+1E", -1},
        {AtAcquire, "+1E | +2A", 0x2A},  // refused at first (the dialog not yet in front): asked again
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.failing << " " << r.script);
        FakeDirectInput fake(r.failing, r.script);
        g_fake = &fake;
        EXPECT_EQ(CaptureKey(nullptr, MakeFake), r.key);
        EXPECT_EQ(fake.references, 0);  // so nothing is left for the next capture either
        EXPECT_TRUE(fake.dialogShown && !::FindWindowA(nullptr, "Press a Key"));  // even when set-up fails
        EXPECT_TRUE(theDirectInput == nullptr && theKeyboard == nullptr);
        MSG msg;
        EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) << "the key would act";
    }
    EXPECT_EQ(CaptureKey(nullptr, nullptr), -1);  // no DirectInput on the host
}
