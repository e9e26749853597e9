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
