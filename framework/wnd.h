#pragma once
// CWnd: a plain, non-owning holder of a window handle with one-line members
// named after the messages they send. The dialog owns its child controls, so
// destroying a wrapper never destroys a window.
#include <windows.h>
#include <string>

// Help requests travel as in the application framework: a window asked for its
// topic answers WM_COMMANDHELP, and a topic is HID_BASE_RESOURCE plus the
// template id of the page or dialog it explains.
constexpr UINT WM_COMMANDHELP = 0x0365;
constexpr DWORD_PTR HID_BASE_RESOURCE = 0x00020000;

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach() { HWND h = m_hWnd; m_hWnd = nullptr; return h; }
    // Binds the wrapper to a dialog's control; controls that need their own
    // window procedure (the check-list box) subclass it here.
    virtual void SubclassWindow(HWND hWnd) { Attach(hWnd); }

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    { return ::SendMessageA(m_hWnd, msg, wParam, lParam); }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    { return ::PostMessageA(m_hWnd, msg, wParam, lParam); }

    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
    std::string GetDlgItemText(int id) const;
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    void CheckDlgButton(int id, UINT check) const { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int check) const { ::CheckRadioButton(m_hWnd, first, last, check); }
    // Files dragged from the shell onto the window are sent to it as WM_DROPFILES.
    void DragAcceptFiles(BOOL accept = TRUE) const { ::DragAcceptFiles(m_hWnd, accept); }

    // Shows help topic `data`; windows that want no help override it.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // The wrapper object of a window that was bound through SubclassWindow.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Notifications a parent hands back to the control they concern: owner-drawn
    // controls draw and measure themselves. Returns true when handled.
    virtual bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    void RegisterPermanent();
    void UnregisterPermanent();
};
