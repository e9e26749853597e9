#include "pages/scsi.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "res/dlg_scsi.h"
#include "res/resource.h"

const CommandEntry<CSCSI> CSCSI::kCommands[] = {
    {IDC_SCSI_UNIT0, BN_CLICKED, &CSCSI::OnUnit<0>},
    {IDC_SCSI_UNIT1, BN_CLICKED, &CSCSI::OnUnit<1>},
    {IDC_SCSI_UNIT2, BN_CLICKED, &CSCSI::OnUnit<2>},
    {IDC_SCSI_UNIT3, BN_CLICKED, &CSCSI::OnUnit<3>},
    {IDC_SCSI_UNIT4, BN_CLICKED, &CSCSI::OnUnit<4>},
    {IDC_SCSI_UNIT5, BN_CLICKED, &CSCSI::OnUnit<5>},
    {IDC_SCSI_UNIT6, BN_CLICKED, &CSCSI::OnUnit<6>},
    {IDC_SCSI_DEVICES, CBN_SELCHANGE, &CSCSI::OnDeviceChange},
    {IDC_SCSI_DEVICES, CBN_CLOSEUP, &CSCSI::OnDeviceChange},
};

std::string ScsiDeviceItemText(int typeCode, const std::string& name)
{
    constexpr int kLastNamedType = 10;  // "Communications"
    UINT typeName = typeCode >= 1 && typeCode <= kLastNamedType ? IDS_SCSI_DISK + typeCode - 1 : IDS_UNKNOWN;
    return LoadStringResource(typeName) + " " + name;
}

CSCSI::CSCSI(const CHostInventory& host) : CPropertyPage(IDD_SCSI), m_host(host) {}

void CSCSI::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    for (int unit = 0; unit < ScsiUnitCount; ++unit) DDX_Control(pDX, IDC_SCSI_LINE0 + unit, m_stcUnitLine[unit]);
    DDX_Control(pDX, IDC_SCSI_DEVICES, m_cmbDevices);
}

BOOL CSCSI::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CSCSI::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_cmbDevices.AddString(LoadStringResource(IDS_NONE));
    int items = 0;
    m_slotToItem[0] = -1;
    m_itemToSlot[0] = -1;
    // Devices in slot order: adapter 0 targets 0 to 7, then adapter 1, ...
    for (int slot = 0; slot < ScsiSlotCount; ++slot) {
        m_slotToItem[slot + 1] = -1;
        int typeCode = m_host.ScsiDeviceTypes[slot];
        if (typeCode <= 0) continue;
        m_cmbDevices.AddString(ScsiDeviceItemText(typeCode, m_host.ScsiDeviceNames[slot]));
        m_slotToItem[slot + 1] = items++;
        m_itemToSlot[items] = slot;
    }
    // A stored slot without a device shows "None" but stays as read until the
    // combo is used for its unit.
    for (int unit = 0; unit < ScsiUnitCount; ++unit) {
        m_nUnitSlot[unit] = ReadSettingInt(setting::Scsi, unit);
        ShowUnitLine(unit);
    }
    m_cmbDevices.SetCurSel(0);
    CheckRadioButton(IDC_SCSI_UNIT0, IDC_SCSI_UNIT6, IDC_SCSI_UNIT0);
    SelectUnit(0);
    return TRUE;
}

int CSCSI::ItemOfSlot(int slot) const
{
    if (slot < -1 || slot >= ScsiSlotCount) return 0;
    return m_slotToItem[slot + 1] + 1;
}

void CSCSI::ShowUnitLine(int unit)
{
    m_stcUnitLine[unit].SetWindowText(" " + m_cmbDevices.GetLBText(ItemOfSlot(m_nUnitSlot[unit])));
}

void CSCSI::SelectUnit(int unit)
{
    // Choosing a unit only shows its device; it changes nothing to apply.
    m_cmbDevices.SetCurSel(ItemOfSlot(m_nUnitSlot[unit]));
    m_nCurrentUnit = unit;
}

void CSCSI::OnDeviceChange()
{
    // Closing the list takes the shown item too, so a unit whose stored
    // device is absent becomes -1, the slot of the "None" it showed.
    int item = m_cmbDevices.GetCurSel();
    if (item < 0) item = 0;
    m_nUnitSlot[m_nCurrentUnit] = m_itemToSlot[item];
    ShowUnitLine(m_nCurrentUnit);
    SetModified(TRUE);
}

BOOL CSCSI::OnApply()
{
    for (int unit = 0; unit < ScsiUnitCount; ++unit) WriteSettingInt(setting::Scsi, unit, m_nUnitSlot[unit]);
    return CPropertyPage::OnApply();
}
