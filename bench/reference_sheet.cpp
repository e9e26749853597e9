#include "bench/reference_sheet.h"

#include <commctrl.h>
#include <prsht.h>

namespace {
INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}
}  // namespace

void ShowOnePageSheet(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(IDD_REFERENCE_PAGE);
    page.pfnDlgProc = PageProc;

    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE;
    sheet.hInstance = instance;
    sheet.pszCaption = "KORVEX Properties";
    sheet.nPages = 1;
    sheet.ppsp = &page;
    ::PropertySheetA(&sheet);
}
