#pragma once
// "Press a Key": the modeless dialog shown while a key capture waits. It never
// closes itself: Cancel, the close box and hiding it each post the end signal,
// and the capture that made it destroys it.
#include "framework/dialog.h"

// The end signal: an empty message (number 0, both parameters 0), posted to the
// window that owns the dialog.
constexpr UINT kCaptureEndSignal = 0;

class CPressKeyDlg : public CDialog {
public:
    CPressKeyDlg();

    // Help requests while waiting are ignored: the dialog has no topic, and F1
    // is a key like any other to capture.
    void WinHelp(DWORD_PTR, UINT) override {}
    void OnCancel() override;

protected:
    INT_PTR WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnClose();
    void OnShowWindow(BOOL show);
    void PostEndSignal() const;
};
