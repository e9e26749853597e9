#pragma once
// The test programs' application object. It stands where the product's is, with
// the same registry key, and answers every message box and file dialog from a
// script the test sets up, recording what was asked.
#include "framework/filedialog.h"
#include "framework/winapp.h"
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct MessageBoxRecord {
    std::string text;
    UINT type;
};

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("KORVEX") {}

    // The next message box returns `answer`; unscripted boxes return IDOK for an
    // OK box and IDNO or IDCANCEL otherwise.
    void AnswerMessageBox(int answer) { m_messageAnswers.push_back(answer); }
    // The next file dialog returns OK with `path`, or Cancel with std::nullopt;
    // unscripted dialogs are cancelled.
    void AnswerFileDialog(const std::optional<std::string>& path);
    void AnswerFileDialog(const std::wstring& path) { m_fileAnswers.push_back(path); }
    void ResetScript();

    std::vector<MessageBoxRecord> messageBoxes;
    // Done once, while the next message box is up, as the user's doing meanwhile.
    std::function<void()> whileMessageBox;

    // Set: the next command throws, as a handler that fails would.
    bool failNextCommand = false;

    // The product's one command: Help goes to the framework's help handler.
    BOOL OnCmdMsg(UINT id) override;
    int DoMessageBox(const char* prompt, UINT type, UINT helpId) override;
    INT_PTR DoFileDialog(CFileDialog& dialog) override;

private:
    std::deque<int> m_messageAnswers;
    std::deque<std::optional<std::wstring>> m_fileAnswers;
};

CTestApp& TestApp();
