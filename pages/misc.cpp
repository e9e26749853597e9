#include "pages/misc.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "res/dlg_misc.h"
#include "res/resource.h"

const CommandEntry<CMisc> CMisc::kCommands[] = {
    {IDC_SOUND_DEVICE, CBN_SELCHANGE, &CMisc::OnComboChange},
    {IDC_SOUND_DEVICE, CBN_CLOSEUP, &CMisc::OnComboChange},
    {IDC_NETWORK_DRIVE, CBN_SELCHANGE, &CMisc::OnComboChange},
    {IDC_NETWORK_DRIVE, CBN_CLOSEUP, &CMisc::OnComboChange},
    {IDC_CDROM_DRIVE, CBN_SELCHANGE, &CMisc::OnComboChange},
    {IDC_CDROM_DRIVE, CBN_CLOSEUP, &CMisc::OnComboChange},
};

namespace {
constexpr int kLetterCount = 26;
}

std::string DriveSearchText(int value)
{
    // An empty search text would match the first drive of the list.
    if (value <= -64 || value > 255 - 64) return std::string();
    return std::string(1, static_cast<char>(value + 64)) + ":";
}

int DriveValue(const std::string& itemText)
{
    return itemText.empty() ? 0 : static_cast<signed char>(itemText[0]) - 64;
}

CMisc::CMisc(DriveProbe drives, const CHostInventory& host)
    : CPropertyPage(IDD_MISC), m_drives(std::move(drives)), m_host(host)
{
}

void CMisc::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SOUND_DEVICE, m_cmbSound);
    DDX_Control(pDX, IDC_NETWORK_DRIVE, m_cmbNetwork);
    DDX_Control(pDX, IDC_CDROM_DRIVE, m_cmbCdRom);
}

BOOL CMisc::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CMisc::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    std::string none = LoadStringResource(IDS_NONE);
    m_cmbSound.AddString(none);
    m_cmbNetwork.AddString(none);
    m_cmbCdRom.AddString(none);
    ListDrives();
    for (int i = 0; i < m_host.SoundDeviceCount && i < MaxSoundDevices; ++i) m_cmbSound.AddString(m_host.SoundDeviceNames[i]);

    // A stored device that is not in the list shows "None", which Apply then writes.
    int sound = ReadSettingInt(setting::AudioDevice);
    m_cmbSound.SetCurSel(sound >= -1 && sound < m_host.SoundDeviceCount ? sound + 1 : 0);
    SelectDrive(m_cmbNetwork, ReadSettingInt(setting::Ethernet));
    SelectDrive(m_cmbCdRom, ReadSettingInt(setting::CdRom));
    return TRUE;
}

void CMisc::ListDrives()
{
    DWORD drives = m_drives.logicalDrives();
    for (int letter = 0; letter < kLetterCount && drives != 0; ++letter, drives >>= 1) {
        if ((drives & 1) == 0) continue;
        std::string root = "A:\\";
        root[0] = static_cast<char>('A' + letter);
        // Fixed, removable and RAM drives, and drives whose type is not known, go in no list.
        UINT type = m_drives.driveType(root);
        if (type == DRIVE_REMOTE) m_cmbNetwork.AddString(root.substr(0, 2));
        if (type == DRIVE_CDROM) m_cmbCdRom.AddString(root.substr(0, 2));
    }
}

void CMisc::SelectDrive(const CComboBox& combo, int value) const
{
    // The combo's own prefix search, which ignores case.
    std::string text = DriveSearchText(value);
    int found = text.empty() ? CB_ERR : combo.FindString(0, text);
    combo.SetCurSel(found == CB_ERR ? 0 : found);
}

int CMisc::SelectedDrive(const CComboBox& combo) const
{
    int item = combo.GetCurSel();
    return item > 0 ? DriveValue(combo.GetLBText(item)) : 0;
}

void CMisc::OnComboChange()
{
    // Closing a list marks the page too, even when the selection stayed.
    SetModified(TRUE);
}

BOOL CMisc::OnApply()
{
    WriteSettingInt(setting::AudioDevice, 0, m_cmbSound.GetCurSel() - 1);
    WriteSettingInt(setting::Ethernet, 0, SelectedDrive(m_cmbNetwork));
    WriteSettingInt(setting::CdRom, 0, SelectedDrive(m_cmbCdRom));
    return CPropertyPage::OnApply();
}
