#pragma once
// The SCSI page: host SCSI devices found at start-up for the emulated
// machine's seven SCSI units. A unit stores its device as the slot of the SCSI
// device table (adapter x 8 + target), or -1 for none.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include "host/host_inventory.h"
#include <string>

constexpr int ScsiUnitCount = 7;

// A device's combo item: its type name, one space, its name as scanned.
// Type codes are SCSI peripheral types + 1; 11 and above are "Unknown".
std::string ScsiDeviceItemText(int typeCode, const std::string& name);

class CSCSI : public CPropertyPage {
public:
    explicit CSCSI(const CHostInventory& host = HostInventory);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    template <int Unit>
    void OnUnit() { SelectUnit(Unit); }
    void OnDeviceChange();
    void SelectUnit(int unit);
    // The combo item showing a slot: "None" (0) for -1, for a slot without a
    // device, and for a stored value outside the table.
    int ItemOfSlot(int slot) const;
    void ShowUnitLine(int unit);

    CStatic m_stcUnitLine[ScsiUnitCount];  // unit n: control IDC_SCSI_LINE0 + n
    CComboBox m_cmbDevices;
    // Entry s + 1: the position among the device items of slot s (-1: none);
    // entry 0 stands for slot -1.
    int m_slotToItem[ScsiSlotCount + 1] = {};
    // Entry i: the slot of combo item i; -1 for item 0, "None".
    int m_itemToSlot[ScsiSlotCount + 1] = {};
    int m_nUnitSlot[ScsiUnitCount] = {};
    int m_nCurrentUnit = 0;
    const CHostInventory& m_host;

    static const CommandEntry<CSCSI> kCommands[];
};
