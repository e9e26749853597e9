#include "tests/support/test_app.h"
#include "framework/strings.h"
#include <stdexcept>
#include <utility>

void CTestApp::ResetScript()
{
    m_messageAnswers.clear();
    m_fileAnswers.clear();
    messageBoxes.clear();
    failNextCommand = false;
    whileMessageBox = nullptr;
}

BOOL CTestApp::OnCmdMsg(UINT id)
{
    if (std::exchange(failNextCommand, false)) throw std::runtime_error("a command that failed");
    return id == ID_HELP ? (OnHelp(), TRUE) : FALSE;
}

int CTestApp::DoMessageBox(const char* prompt, UINT type, UINT)
{
    messageBoxes.push_back({prompt ? prompt : "", type});
    if (whileMessageBox) std::exchange(whileMessageBox, nullptr)();
    if (!m_messageAnswers.empty()) {
        int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    default: return IDCANCEL;
    }
}

void CTestApp::AnswerFileDialog(const std::optional<std::string>& path)
{
    m_fileAnswers.push_back(path ? std::optional<std::wstring>(WidenAnsi(*path)) : std::nullopt);
}

INT_PTR CTestApp::DoFileDialog(CFileDialog& dialog)
{
    if (m_fileAnswers.empty()) return IDCANCEL;
    std::optional<std::wstring> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (!answer) return IDCANCEL;
    dialog.SetPathNameW(*answer);
    return IDOK;
}
