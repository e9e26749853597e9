// Help on every page and dialog: the sheet's Help button and F1 show the topic
// of the page or dialog the user works in, from the program's own resources.
#include "framework/afxres.h"
#include "framework/helpdialog.h"
#include "res/resource.h"
#include "settings/values.h"
#include "tests/support/gui.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
struct Topic {
    UINT templateId;
    const char* title;  // the page's tab title, or the dialog's caption
};

// The sheet's pages in tab order, then the dialogs with a topic of their own.
const Topic kTopics[] = {
    {IDD_GENERAL, "General"}, {IDD_STORAGE, "Storage"}, {IDD_RAM, "RAM"},   {IDD_VIDEO, "Video"},
    {IDD_INPUT, "Input"},     {IDD_PORTS, "Ports"},     {IDD_MISC, "Misc"}, {IDD_SCSI, "SCSI"},
    {IDD_FLOPPY, "Floppy"},   {IDD_ADVANCED, "Advanced"},
    {IDD_HARDFILE_SIZE, "Hard File Size"}, {IDD_RENAME_FILE, "Rename File"},
    {IDD_VIDEO_PROPS, "Video Device Properties"},
};

struct ShownHelp {
    std::string caption;
    std::string text;
};

// The help window that `action` opens, read and closed; empty when none opened.
ShownHelp HelpShownBy(const std::function<void()>& action)
{
    ShownHelp shown;
    OnNextModalDialog([&shown](HWND help) {
        shown = {CWnd(help).GetWindowText(), ControlText(help, AFX_IDC_HELP_TEXT)};
        ClickButton(help, IDOK);
    });
    action();
    ForgetModalAction();
    return shown;
}

// The caption of a button, or a label (a static text without an id of its
// own) short enough to name a control, as the topic should quote it.
std::optional<std::string> ControlName(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    const bool label = std::string(className) == "Static" && static_cast<WORD>(::GetDlgCtrlID(control)) == 0xFFFF &&
                       (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;  // text, not an icon
    if (!label && std::string(className) != "Button") return std::nullopt;
    std::string name;
    for (char c : CWnd(control).GetWindowText())
        if (c != '&') name += c;
    if (!name.empty() && name.back() == ':') name.pop_back();
    if (name.empty() || name.size() > 40) return std::nullopt;
    return name;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
    return TRUE;
}
}  // namespace

TEST(HelpTopics, EachPageExplainsTheValuesItWrites)
{
    for (const Topic& row : kTopics) {
        SCOPED_TRACE(row.title);
        std::optional<HelpTopic> topic = LoadHelpTopic(row.templateId);
        ASSERT_TRUE(topic);
        EXPECT_EQ(topic->title, row.title);
        for (const SettingValue* value : setting::kAll) {
            if (value->page != topic->title) continue;
            EXPECT_NE(topic->text.find(value->Name(0)), std::string::npos) << value->Name(0);
            EXPECT_NE(topic->text.find(value->Name(value->units - 1)), std::string::npos) << value->Name(value->units - 1);
        }
    }
    EXPECT_FALSE(LoadHelpTopic(AFX_IDD_HELP));  // F1 in the help window itself shows nothing more
}

TEST(HelpWindow, HelpAndF1ShowTheTopicOfTheWindowTheUserWorksIn)
{
    for (const Topic& row : kTopics) {
        SCOPED_TRACE(row.title);
        OpenTemplate opened(row.templateId);
        if (!opened.window()) continue;  // a page still to come (Input)
        const std::string caption = std::string(row.title) + " Help";
        const std::string text = LoadHelpTopic(row.templateId)->text;
        std::vector<HWND> controls;
        ::EnumChildWindows(opened.window(), CollectControl, reinterpret_cast<LPARAM>(&controls));
        ASSERT_FALSE(controls.empty());

        // F1 wherever the focus is: on a control of the page or dialog, and on the sheet's tabs.
        ShownHelp shown = HelpShownBy([&] { PressKey(controls.front(), VK_F1); });
        EXPECT_EQ(shown.caption, caption);
        EXPECT_EQ(shown.text, text);
        if (SheetHarness* sheet = opened.sheet()) {
            HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet->hwnd(), PSM_GETTABCONTROL, 0, 0));
            EXPECT_EQ(HelpShownBy([&] { PressKey(tabs, VK_F1); }).caption, caption);
            EXPECT_EQ(HelpShownBy([&] { sheet->PressHelp(); }).caption, caption);
        }
        // The topic names every control the user sees a caption of.
        for (HWND control : controls) {
            std::optional<std::string> name = ControlName(control);
            if (name) {
                EXPECT_NE(text.find(*name), std::string::npos) << *name;
            }
        }
    }
}
