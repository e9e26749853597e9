#include "framework/filedialog.h"
#include "framework/strings.h"
#include "framework/winapp.h"
#include "framework/wnd.h"
#include <algorithm>
#include <cstring>

namespace {
// Room for long paths: a path longer than MAX_PATH must not make the dialog fail.
constexpr size_t kFileNameCapacity = 32768;

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs library brings the printing system in with it, megabytes
// that every start would pay for a dialog most runs never open; so it is loaded
// when a file dialog is first shown. By full path from the system folder, never
// from the current directory, which these very dialogs move around. Like a
// delay-loaded import it then stays loaded until the process ends.
FileDialogFunction SystemFileDialog(bool open)
{
    char folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\comdlg32.dll";
    HMODULE library = ::LoadLibraryA(path.c_str());
    if (!library) return nullptr;
    return reinterpret_cast<FileDialogFunction>(
        ::GetProcAddress(library, open ? "GetOpenFileNameW" : "GetSaveFileNameW"));
}

// The caller's ANSI setting in Unicode, up to its first zero.
std::wstring Widened(const char* text)
{
    return text ? WidenAnsi(text) : std::wstring();
}

const wchar_t* OrNull(const std::wstring& text, const char* original)
{
    return original ? text.c_str() : nullptr;
}
}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_ofn(), m_bOpenFileDialog(openFileDialog), m_fileName(kFileNameCapacity, L'\0')
{
    if (filter) {
        m_filter.assign(filter, filter + std::strlen(filter));
        std::replace(m_filter.begin(), m_filter.end(), '|', '\0');
        m_filter.push_back('\0');
        m_filter.push_back('\0');
    }
    if (defaultExtension) m_defaultExtension = defaultExtension;
    if (fileName) SetPathName(fileName);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.hInstance = ::GetModuleHandleA(nullptr);
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER;
}

void CFileDialog::SetPathName(const std::string& path)
{
    SetPathNameW(Widened(path.c_str()));
}

void CFileDialog::SetPathNameW(const std::wstring& path)
{
    size_t n = std::min(path.size(), m_fileName.size() - 1);
    std::copy_n(path.begin(), n, m_fileName.begin());
    m_fileName[n] = L'\0';
}

INT_PTR CFileDialog::DoModal()
{
    CWinApp* app = AfxGetApp();
    return app ? app->DoFileDialog(*this) : ShowSystemDialog();
}

INT_PTR CFileDialog::ShowSystemDialog()
{
    if (!m_ofn.hwndOwner) {
        HWND active = ::GetActiveWindow();
        m_ofn.hwndOwner = active ? ::GetAncestor(active, GA_ROOT) : nullptr;
    }
    FileDialogFunction show = SystemFileDialog(m_bOpenFileDialog);
    if (!show) return IDCANCEL;
    // The caller's ANSI settings, in Unicode.
    const std::wstring filter = WidenAnsi(std::string(m_filter.begin(), m_filter.end()));
    const std::wstring title = Widened(m_ofn.lpstrTitle), folder = Widened(m_ofn.lpstrInitialDir);
    const std::wstring extension = Widened(m_ofn.lpstrDefExt);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_ofn.hwndOwner;
    ofn.hInstance = m_ofn.hInstance;
    ofn.lpstrFilter = m_filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = m_ofn.nFilterIndex;
    ofn.lpstrFile = m_fileName.data();
    ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
    ofn.lpstrTitle = OrNull(title, m_ofn.lpstrTitle);
    ofn.lpstrInitialDir = OrNull(folder, m_ofn.lpstrInitialDir);
    ofn.lpstrDefExt = OrNull(extension, m_ofn.lpstrDefExt);
    ofn.Flags = m_ofn.Flags;
    return show(&ofn) ? IDOK : IDCANCEL;
}
