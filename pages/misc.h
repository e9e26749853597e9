#pragma once
// The Misc page: the host sound device, network drive and CD-ROM drive the
// emulated machine may use. The three combos' selections are the page's whole
// state; it keeps no other copy of the values.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include "host/drive_probe.h"
#include "host/host_inventory.h"
#include <string>

// A stored drive value (1 = A: ... 26 = Z:) as the text its list is searched
// for: the character of code value + 64 and a colon. Empty when no character
// has that code, which then matches nothing.
std::string DriveSearchText(int value);
// The value a drive item ("H:") stands for: its first character's code less 64.
int DriveValue(const std::string& itemText);

class CMisc : public CPropertyPage {
public:
    explicit CMisc(DriveProbe drives = HostDriveProbe(), const CHostInventory& host = HostInventory);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void OnComboChange();
    void ListDrives();
    void SelectDrive(const CComboBox& combo, int value) const;
    int SelectedDrive(const CComboBox& combo) const;

    CComboBox m_cmbSound;
    CComboBox m_cmbNetwork;
    CComboBox m_cmbCdRom;
    DriveProbe m_drives;
    const CHostInventory& m_host;

    static const CommandEntry<CMisc> kCommands[];
};
