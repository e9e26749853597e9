#include "framework/helpdialog.h"
#include "framework/afxres.h"
#include "framework/winapp.h"
#include <utility>

std::optional<HelpTopic> LoadHelpTopic(UINT templateId)
{
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(AFX_RT_HELPTEXT));
    if (!found) return std::nullopt;
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(instance, found)));
    if (!data) return std::nullopt;
    std::string source(data, ::SizeofResource(instance, found));

    HelpTopic topic;
    size_t lineEnd = source.find('\n');
    topic.title = source.substr(0, lineEnd);
    if (lineEnd == std::string::npos) return topic;
    for (char c : source.substr(lineEnd + 1)) {
        if (c == '\r') continue;  // the file may come with either line end
        if (c == '\n') topic.text += '\r';
        topic.text += c;
    }
    return topic;
}

CHelpDialog::CHelpDialog(HelpTopic topic, CWnd* parent) : CDialog(AFX_IDD_HELP, parent), m_topic(std::move(topic)) {}

BOOL CHelpDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_topic.title + " Help");
    CWnd text(GetDlgItem(AFX_IDC_HELP_TEXT));
    text.SetWindowText(m_topic.text);
    // Reading starts at the top, without the whole text selected.
    text.SetFocus();
    text.SendMessage(EM_SETSEL, 0, 0);
    return FALSE;
}
