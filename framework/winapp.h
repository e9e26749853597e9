#pragma once
// CWinApp: the one application object of the process. It knows the program's
// name and registry key, offers the profile functions over the registry, and is
// the single seam through which every modal message box and file dialog passes,
// so tests can answer them without a person.
#include "framework/profile.h"
#include <windows.h>
#include <memory>
#include <string>

class CFileDialog;

// The framework's standard Help command.
constexpr UINT ID_HELP = 57670;

class CWinApp {
public:
    // A null name means: the executable's file name without its extension.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    BOOL Enable3dControls();
    void SetRegistryKey(const char* company);
    void LoadStdProfileSettings(UINT maxRecentFiles = 4);

    int GetProfileInt(const char* section, const char* entry, int defaultValue);
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
    BOOL WriteProfileInt(const char* section, const char* entry, int value);
    BOOL WriteProfileString(const char* section, const char* entry, const std::string& value);
    BOOL DeleteProfileSection(const char* section);

    // The seam: the product shows the real system boxes; a test application
    // overrides these two and answers from its script.
    virtual int DoMessageBox(const char* prompt, UINT type, UINT helpId);
    virtual INT_PTR DoFileDialog(CFileDialog& dialog);

    // Commands the windows pass up to the application (Help and F1).
    virtual BOOL OnCmdMsg(UINT id);
    // Help for the window the user works in: the active window names its topic.
    void OnHelp();
    // Shows a topic of the program's own help (HELP_CONTEXT, HID_BASE_RESOURCE
    // plus a template id); a topic the program lacks shows nothing.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    HINSTANCE m_hInstance = nullptr;
    std::string m_strAppName;
    std::string m_strRegistryKey;
    UINT m_nMaxRecentFiles = 0;

private:
    std::unique_ptr<RegistryProfile> m_profile;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();
int AfxMessageBox(const char* prompt, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
// No dialog of this program hosts an OLE control; kept for the start-up sequence.
void AfxEnableControlContainer();

// The program's life: set up the common controls, run InitInstance, end.
int AfxWinMain(HINSTANCE instance);

// "C:\dir\KORVEX.EXE" -> "KORVEX".
std::string ApplicationNameFromPath(const std::string& modulePath);
// The full path of the program's own executable; empty when it cannot be had.
std::string ModulePath();
