#pragma once
// CPropertySheet: a tabbed sheet of pages with OK, Cancel, Apply and Help. The
// product runs it modally; tests create it modelessly and drive it with messages.
#include "framework/propertypage.h"
#include <string>
#include <vector>

class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const { return m_pages.at(index); }

    INT_PTR DoModal();  // IDOK when the sheet applied changes, IDCANCEL otherwise
    HWND Create(CWnd* parent = nullptr);  // modeless

    // The header as the system receives it; flags and icon may be adjusted
    // before the sheet is run.
    PROPSHEETHEADERA m_psh;

private:
    void PrepareHeader(bool modeless);

    std::string m_caption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_descriptors;
};

// comctl32 ends a sheet only from its own message loop, so a page's handler that
// waits in a loop of its own (the key capture) would hold every request to close
// the sheet until it returns. While a guard lives, such a request (OK, Cancel,
// the close box, Alt+F4) first closes the waiting dialog, a pop-up the sheet
// owns, with WM_CLOSE, which must end the wait; the sheet then gets the request
// again from its own loop.
class CSheetWaitGuard {
public:
    explicit CSheetWaitGuard(HWND dialog);
    ~CSheetWaitGuard();
    CSheetWaitGuard(const CSheetWaitGuard&) = delete;
    CSheetWaitGuard& operator=(const CSheetWaitGuard&) = delete;

private:
    HWND m_dialog;
    HWND m_sheet;
};
