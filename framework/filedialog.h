#pragma once
// CFileDialog: the common open and save dialogs. DoModal goes through the
// application's seam, which shows the system dialog in the product.
#include <windows.h>
#include <commdlg.h>
#include <string>
#include <vector>

class CWnd;

class CFileDialog {
public:
    // `filter` uses '|' between descriptions and patterns and ends in "||".
    CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // Callers may set lpstrTitle and lpstrInitialDir; the strings must outlive DoModal.
    OPENFILENAMEA m_ofn;
    BOOL m_bOpenFileDialog;

    INT_PTR DoModal();
    INT_PTR ShowSystemDialog();

    std::string GetPathName() const { return std::string(m_fileName.data()); }
    // Used by whoever answers the dialog in place of the user.
    void SetPathName(const std::string& path);

private:
    std::vector<char> m_filter;
    std::string m_defaultExtension;
    std::vector<char> m_fileName;
};
