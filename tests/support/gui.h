#pragma once
// Driving real windows with messages, the way the user's actions reach them.
#include "framework/propertysheet.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Tests of real dialogs: they start without settings or scripted answers and
// end without settings.
class DialogTest : public FreshSettingsTest {
protected:
    void SetUp() override
    {
        FreshSettingsTest::SetUp();
        TestApp().ResetScript();
    }
};

// Dispatches everything queued for this thread.
void PumpMessages();
// Whether the sheet's Apply button takes a click.
bool IsApplyEnabled(HWND sheet);

// A modeless sheet around the given pages, shown on the test display.
class SheetHarness {
public:
    explicit SheetHarness(const std::vector<CPropertyPage*>& pages, UINT startPage = 0);
    ~SheetHarness();
    SheetHarness(const SheetHarness&) = delete;
    SheetHarness& operator=(const SheetHarness&) = delete;

    HWND hwnd() const { return m_sheet.m_hWnd; }
    void ShowPage(int index) { Send(PSM_SETCURSEL, index); }
    int CurrentPage() const;
    void PressOK() { Send(PSM_PRESSBUTTON, PSBTN_OK); }
    void PressApply() { Send(PSM_PRESSBUTTON, PSBTN_APPLYNOW); }
    void PressCancel() { Send(PSM_PRESSBUTTON, PSBTN_CANCEL); }
    void PressHelp() { Send(PSM_PRESSBUTTON, PSBTN_HELP); }
    bool IsApplyEnabled() const { return ::IsApplyEnabled(hwnd()); }
    // True once OK or Cancel has ended the sheet.
    bool IsClosed() const { return ::SendMessageA(hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0) == 0; }

private:
    void Send(UINT message, WPARAM argument);

    CPropertySheet m_sheet;
};

// What the user's choice in a drop-down list or a list box sends: the new
// selection, then the change notification to the owner.
void ChooseItem(HWND dialog, int id, int index);
// Opening and closing a drop-down list without choosing anything.
void OpenAndCloseCombo(HWND dialog, int comboId);
// Keys pressed in turn and released in the reverse order (one key, or a chord
// such as Alt+F4), by scan code, as the system delivers them to the focused
// window of the foreground window: `window`, made so first unless null.
void PressKeys(HWND window, const std::vector<int>& scanCodes);
inline void PressKey(HWND window, int scanCode) { PressKeys(window, {scanCode}); }
// A click of the left mouse button in the middle of `window`, made by the X
// server (with xdotool) as a user's click is made: under Wine it becomes a
// window message only when this thread next reads its X events, and goes to
// whatever is on the screen there then. False when it could not be made.
bool ClickWithXServer(HWND window);
// The controls of a dialog.
std::vector<HWND> ChildWindows(HWND parent);
// A click on a push button.
void ClickButton(HWND dialog, int buttonId);
// A click on a radio button: it checks itself, clears the others of its
// group, and tells the dialog.
void ClickRadio(HWND dialog, int buttonId);
// What a control shows; of a list box, its selected item.
std::string ControlText(HWND dialog, int id);

// Every item's text of a combo or list box.
using Texts = std::vector<std::string>;
Texts ItemTexts(HWND dialog, int id);

// Runs `action` on the next modal dialog this thread shows, from inside that
// dialog's own message loop: a dialog that was not up yet when this was called.
// The action gets the dialog's window.
void OnNextModalDialog(std::function<void(HWND dialog)> action);
// Stops waiting for the next modal dialog: after an action that may open none.
void ForgetModalAction();
