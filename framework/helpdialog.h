#pragma once
// The help window: one topic of the program's help, shown in a modal dialog.
// Topics are text resources of the executable, so help needs nothing installed
// beside it and looks the same on every Windows and under Wine.
#include "framework/dialog.h"
#include <optional>
#include <string>

struct HelpTopic {
    std::string title;
    std::string text;  // CR LF line ends, as an edit control shows them
};

// The topic of the page or dialog made from template `templateId`, if the
// program has one.
std::optional<HelpTopic> LoadHelpTopic(UINT templateId);

class CHelpDialog : public CDialog {
public:
    explicit CHelpDialog(HelpTopic topic, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

private:
    HelpTopic m_topic;
};
