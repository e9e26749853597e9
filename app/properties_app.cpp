#include "app/properties_app.h"
#include "framework/propertysheet.h"
#include "host/aspi_scan.h"
#include "host/device_lists.h"
#include "host/directx_probe.h"
#include "pages/advanced.h"
#include "pages/floppy.h"
#include "pages/general.h"
#include "pages/input.h"
#include "pages/misc.h"
#include "pages/ports.h"
#include "pages/ram.h"
#include "pages/scsi.h"
#include "pages/storage.h"
#include "pages/video.h"
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
    CRAM ram;  // reads Memory and measures the host now
    CVideo video;
    CInput input;
    CPorts ports;
    CMisc misc;
    CSCSI scsi;
    CFloppy floppy;
    CAdvanced advanced;

    CPropertySheet sheet(IDS_SHEET_CAPTION, nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_USEHICON;
    sheet.m_psh.hIcon = ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDI_KORVEX));
    sheet.AddPage(&general);
    sheet.AddPage(&storage);
    sheet.AddPage(&ram);
    sheet.AddPage(&video);
    sheet.AddPage(&input);
    sheet.AddPage(&ports);
    sheet.AddPage(&misc);
    sheet.AddPage(&scsi);
    sheet.AddPage(&floppy);
    sheet.AddPage(&advanced);
    sheet.DoModal();

    // Nothing runs after the sheet: returning FALSE ends the program.
    return FALSE;
}
