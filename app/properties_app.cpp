#include "app/properties_app.h"
#include "framework/propertysheet.h"
#include "host/aspi_scan.h"
#include "host/device_lists.h"
#include "host/directx_probe.h"
#include "pages/advanced.h"
#include "pages/general.h"
#include "pages/input.h"
#include "pages/storage.h"
#include "res/resource.h"

// The one application object; its name comes from the executable's file name.
CPropertiesApp theApp;

const CPropertiesApp::Command CPropertiesApp::kCommands[] = {
    {ID_HELP, &CWinApp::OnHelp},
};

BOOL CPropertiesApp::OnCmdMsg(UINT id)
{
    for (const Command& command : kCommands) {
        if (command.id == id) {
            (this->*command.handler)();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CPropertiesApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Tessaran");
    LoadStdProfileSettings(0);

    // The host inventory, filled once before any page exists.
    ScanAspiBus();
    DetectDirectXVersion();
    ListSoundDevices();
    ListDisplayDevices();

    // Pages in sheet order; they outlive the sheet, which is declared after them.
    CGeneral general;
    CStorage storage;
    CInput input;
    CAdvanced advanced;

    CPropertySheet sheet(IDS_SHEET_CAPTION, nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_USEHICON;
    sheet.m_psh.hIcon = ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDI_KORVEX));
    sheet.AddPage(&general);
    sheet.AddPage(&storage);
    sheet.AddPage(&input);
    sheet.AddPage(&advanced);
    sheet.DoModal();

    // Nothing runs after the sheet: returning FALSE ends the program.
    return FALSE;
}
