#pragma once
// CPropertyPage: one page of a property sheet. Its dialog is created the first
// time the sheet shows it; the sheet then asks it to validate when left and to
// apply on Apply and OK (only pages whose dialog exists are asked).
#include "framework/dialog.h"
#include <prsht.h>
#include <string>

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    // Framework meaning throughout: TRUE = go ahead.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();  // FALSE keeps the page shown
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();

    // Tells the sheet the page has changes, which enables its Apply button.
    void SetModified(BOOL changed = TRUE);

    // Pages have no OK or Cancel of their own; the sheet owns those buttons.
    void OnOK() override {}
    void OnCancel() override {}

    const PROPSHEETPAGEA& Descriptor() const { return m_psp; }

protected:
    INT_PTR WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnSheetNotify(const NMHDR* header, LRESULT* result);

    PROPSHEETPAGEA m_psp;
    std::string m_caption;
    bool m_bFirstSetActive = true;
};
