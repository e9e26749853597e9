#pragma once
// The small window that shows how far the writing of a new hard file has come.
// Writing a large file on a slow disk takes minutes on the one GUI thread, so
// the window repaints itself as the blocks go out, and its owner (the sheet)
// stays disabled for as long as the window is up so nothing re-enters the page;
// clicks and keys meanwhile are dropped, not kept for the sheet to act on later.
#include "framework/controls.h"
#include "framework/dialog.h"
#include <string>

// "12 of 300 MB written".
std::string WrittenText(int mibWritten, int totalMiB);

class CWriteProgressDlg : public CDialog {
public:
    CWriteProgressDlg(HWND owner, const std::string& path, int totalMiB);
    ~CWriteProgressDlg() override;
    CWriteProgressDlg(const CWriteProgressDlg&) = delete;
    CWriteProgressDlg& operator=(const CWriteProgressDlg&) = delete;

    BOOL OnInitDialog() override;
    // Shows the amount written, at most a few times a second and always the last.
    void ShowWritten(int mibWritten);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RepaintNow();

    CWnd m_owner;
    bool m_ownerWasEnabled;
    std::string m_path;
    int m_totalMiB;
    DWORD m_lastShownTicks = 0;
    CProgressCtrl m_progressBar;
};
