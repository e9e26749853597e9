#pragma once
// CDialog: a dialog made from a template of the program's resources, run
// modally or modelessly. One static dialog procedure finds the object and
// forwards to its virtual members; handler tables of derived classes answer
// control notifications through OnCommand and OnNotify.
#include "framework/wnd.h"
#include <commctrl.h>

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);  // modeless
    BOOL DestroyWindow();
    void EndDialog(int result);

    // Moves data between the controls and the members; FALSE when a typed value
    // was refused (the user has then been told and the control has the focus).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT TemplateId() const { return m_nIDTemplate; }

    // The help topic of this dialog: its template id.
    UINT m_nIDHelp;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Control notifications; TRUE when the class's handler table answered.
    virtual BOOL OnCommand(UINT id, UINT code);
    virtual BOOL OnNotify(NMHDR* header, LRESULT* result);
    // F1: asks the application for help on the window the user works in.
    virtual BOOL OnHelpInfo(HELPINFO* info);
    // Asked for its topic: shows it with WinHelp. TRUE when it had one.
    virtual BOOL OnCommandHelp();
    // A horizontal scroll bar or track bar of the dialog moved.
    virtual void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    // Everything a dialog procedure receives; returns the procedure's result.
    virtual INT_PTR WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Binds this object to its window and routes a message to WindowProc,
    // catching every exception: none may unwind through the system's frames.
    static INT_PTR Route(CDialog* dialog, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;
    // Made as a Unicode window, so that its edits take every character typed
    // or pasted, also those the ANSI code page lacks.
    bool m_bUnicode = false;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void ExecuteDlgInit();
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result);

    UINT m_nIDTemplate;
    bool m_bModeless = false;
};

// The owner for a window opened without a parent: the top-level window the
// user is working in, so that it is disabled while the new window is up.
HWND AfxGetSafeOwner(CWnd* parent);
