#include "framework/propertysheet.h"
#include "framework/strings.h"
#include "framework/winapp.h"

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : m_psh(), m_caption(LoadStringResource(captionId)), m_pParentWnd(parent)
{
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

void CPropertySheet::PrepareHeader(bool modeless)
{
    m_descriptors.clear();
    for (CPropertyPage* page : m_pages) m_descriptors.push_back(page->Descriptor());
    m_psh.hwndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_psh.pszCaption = m_caption.c_str();
    m_psh.nPages = static_cast<UINT>(m_descriptors.size());
    m_psh.ppsp = m_descriptors.data();
    if (modeless)
        m_psh.dwFlags |= PSH_MODELESS;
    else
        m_psh.dwFlags &= ~PSH_MODELESS;
}

INT_PTR CPropertySheet::DoModal()
{
    PrepareHeader(false);
    INT_PTR result = ::PropertySheetA(&m_psh);
    m_hWnd = nullptr;
    return result > 0 ? IDOK : IDCANCEL;
}

HWND CPropertySheet::Create(CWnd* parent)
{
    if (parent) m_pParentWnd = parent;
    PrepareHeader(true);
    m_hWnd = reinterpret_cast<HWND>(::PropertySheetA(&m_psh));
    return m_hWnd;
}
