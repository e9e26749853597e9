#include "framework/winapp.h"
#include "framework/filedialog.h"
#include "framework/helpdialog.h"
#include "framework/strings.h"
#include <commctrl.h>
#include <utility>

namespace {
// The application object is process-wide by nature: there is exactly one.
CWinApp* g_application = nullptr;

HWND ActiveOwner()
{
    HWND active = ::GetActiveWindow();
    return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}
}  // namespace

std::string ModulePath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return std::string();
        if (n < path.size()) { path.resize(n); return path; }
        path.resize(path.size() * 2);
    }
}

std::string ApplicationNameFromPath(const std::string& modulePath)
{
    size_t slash = modulePath.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

CWinApp::CWinApp(const char* appName)
{
    if (appName) m_strAppName = appName;
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

BOOL CWinApp::Enable3dControls()
{
    // The common controls registered at start-up already draw dialogs in 3-D.
    return TRUE;
}

void CWinApp::SetRegistryKey(const char* company)
{
    m_strRegistryKey = company;
    m_profile = std::make_unique<RegistryProfile>("Software\\" + m_strRegistryKey + "\\" + m_strAppName);
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles)
{
    // No document, so a recent-file list is never kept; only its size is recorded.
    m_nMaxRecentFiles = maxRecentFiles;
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    return m_profile ? m_profile->GetInt(section, entry, defaultValue) : defaultValue;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue)
{
    std::string fallback = defaultValue ? defaultValue : "";
    return m_profile ? m_profile->GetString(section, entry, fallback) : fallback;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    return m_profile && m_profile->WriteInt(section, entry, value);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const std::string& value)
{
    return m_profile && m_profile->WriteString(section, entry, value);
}

BOOL CWinApp::DeleteProfileSection(const char* section)
{
    return m_profile && m_profile->DeleteSection(section);
}

int CWinApp::DoMessageBox(const char* prompt, UINT type, UINT)
{
    return ::MessageBoxA(ActiveOwner(), prompt, m_strAppName.c_str(), type);
}

INT_PTR CWinApp::DoFileDialog(CFileDialog& dialog)
{
    return dialog.ShowSystemDialog();
}

BOOL CWinApp::OnCmdMsg(UINT)
{
    return FALSE;
}

void CWinApp::OnHelp()
{
    // A dialog answers with its own topic, a property sheet with its current
    // page's (see CPropertySheet).
    if (HWND active = ::GetActiveWindow()) ::SendMessageA(active, WM_COMMANDHELP, 0, 0);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command)
{
    if (command != HELP_CONTEXT || data < HID_BASE_RESOURCE) return;
    std::optional<HelpTopic> topic = LoadHelpTopic(static_cast<UINT>(data - HID_BASE_RESOURCE));
    if (!topic) return;
    CHelpDialog window(std::move(*topic));
    window.DoModal();
}

CWinApp* AfxGetApp()
{
    return g_application;
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

int AfxMessageBox(const char* prompt, UINT type, UINT helpId)
{
    CWinApp* app = AfxGetApp();
    return app ? app->DoMessageBox(prompt, type, helpId) : ::MessageBoxA(ActiveOwner(), prompt, "", type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId)
{
    if (helpId == static_cast<UINT>(-1)) helpId = promptId;
    return AfxMessageBox(LoadStringResource(promptId).c_str(), type, helpId);
}

void AfxEnableControlContainer() {}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (!app) return 0;
    app->m_hInstance = instance;
    if (app->m_strAppName.empty()) app->m_strAppName = ApplicationNameFromPath(ModulePath());

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    // The program has no main window and no message loop of its own: whatever
    // InitInstance returns, the program ends when it comes back.
    app->InitInstance();
    return app->ExitInstance();
}
