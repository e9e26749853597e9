#include "pages/video.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "host/host_inventory.h"
#include "pages/file_choice.h"
#include "pages/video_props_dlg.h"
#include "res/dlg_video.h"
#include "res/resource.h"
#include <algorithm>

const CommandEntry<CVideo> CVideo::kCommands[] = {
    {IDC_VIDEO_UNIT1 + 0, BN_CLICKED, &CVideo::OnVideoUnit<0>},
    {IDC_VIDEO_UNIT1 + 1, BN_CLICKED, &CVideo::OnVideoUnit<1>},
    {IDC_VIDEO_UNIT1 + 2, BN_CLICKED, &CVideo::OnVideoUnit<2>},
    {IDC_VIDEO_UNIT1 + 3, BN_CLICKED, &CVideo::OnVideoUnit<3>},
    {IDC_VIDEO_UNIT1 + 4, BN_CLICKED, &CVideo::OnVideoUnit<4>},
    {IDC_VIDEO_UNIT1 + 5, BN_CLICKED, &CVideo::OnVideoUnit<5>},
    {IDC_VIDEO_DEVICE, CBN_SELCHANGE, &CVideo::OnDeviceChange},
    {IDC_VIDEO_DEVICE, CBN_CLOSEUP, &CVideo::OnDeviceChange},
    {IDC_VIDEO_DRIVER, BN_CLICKED, &CVideo::OnDriver},
    {IDC_VIDEO_PROPERTIES, BN_CLICKED, &CVideo::OnProperties},
};

namespace {
// The devices the inventory lists, whatever its count says.
int ListedDisplayDevices()
{
    return std::clamp(HostInventory.DisplayDeviceCount, 0, MaxDisplayDevices);
}

// With no device listed, device 0 is the primary display, which the
// enumeration reports without an identifier.
bool IsPrimaryStandIn(int device)
{
    return device == 0 && ListedDisplayDevices() == 0;
}
}  // namespace

VideoProperties UnpackVideoFlags(int flags)
{
    return {flags & 0xFF, (flags >> 8) & 1, (flags >> 16) & 0xFF};
}

int PackVideoFlags(const VideoProperties& properties)
{
    return properties.frameRate + properties.qdAcceleration * 256 + properties.videoRAM * 65536;
}

CVideo::CVideo() : CPropertyPage(IDD_VIDEO) {}

void CVideo::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VIDEO_PROPERTIES, m_btnProperties);
    DDX_Control(pDX, IDC_VIDEO_DRIVER, m_btnDriver);
    DDX_Control(pDX, IDC_VIDEO_DEVICE, m_cmbDevice);
}

BOOL CVideo::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CVideo::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_cmbDevice.AddString(LoadStringResource(IDS_NONE));
    for (int device = 0; device < ListedDisplayDevices(); ++device)
        m_cmbDevice.AddString(HostInventory.DisplayDriverNames[device]);
    if (ListedDisplayDevices() == 0) m_cmbDevice.AddString(LoadStringResource(IDS_PRIMARY_DEVICE));
    m_cmbDevice.SetCurSel(0);

    for (int unit = 0; unit < VideoUnitCount; ++unit) {
        m_nDevice[unit] = ReadSettingInt(setting::VideoDevice, unit);
        m_strDriver[unit] = ReadSettingString(setting::VideoDriver, unit);
        m_nFlags[unit] = ReadSettingInt(setting::VideoFlags, unit);
        DrawUnitLine(unit);
    }
    CheckRadioButton(IDC_VIDEO_UNIT1, IDC_VIDEO_UNIT6, IDC_VIDEO_UNIT1);
    SelectUnit(0);
    return TRUE;
}

// Devices 16 and above lie beyond what the inventory can list; like any other
// index that names no listed device they show an empty name and description.
std::string CVideo::DeviceName(int unit) const
{
    int device = m_nDevice[unit];
    if (device < 0) return LoadStringResource(IDS_NONE);
    if (IsPrimaryStandIn(device)) return LoadStringResource(IDS_PRIMARY_DEVICE);
    return device < ListedDisplayDevices() ? HostInventory.DisplayDriverNames[device] : std::string();
}

std::string CVideo::DeviceDescription(int unit) const
{
    int device = m_nDevice[unit];
    if (IsPrimaryStandIn(device)) return LoadStringResource(IDS_PRIMARY_DEVICE);
    return device >= 0 && device < ListedDisplayDevices() ? HostInventory.DisplayDescriptions[device] : std::string();
}

void CVideo::DrawUnitLine(int unit) const
{
    const std::string& driver = m_strDriver[unit];
    SetDlgItemText(IDC_VIDEO_LINE1 + unit,
                   " " + DeviceName(unit) + " / " + (driver.empty() ? LoadStringResource(IDS_NO_DRIVER) : driver));
}

void CVideo::SelectUnit(int unit)
{
    // An index that names no combo item leaves the combo without a selection.
    int device = m_nDevice[unit];
    m_cmbDevice.SetCurSel(device >= -1 && device < m_cmbDevice.GetCount() - 1 ? device + 1 : -1);
    m_nUnit = unit;
}

void CVideo::OnDeviceChange()
{
    // Closing the list while it shows no selection (the unit holds an index
    // that names no listed device) chose nothing: the unit keeps its index.
    int item = m_cmbDevice.GetCurSel();
    if (item >= 0) m_nDevice[m_nUnit] = item - 1;
    DrawUnitLine(m_nUnit);
    SetModified(TRUE);
}

void CVideo::OnDriver()
{
    std::string path;
    if (!ChooseFile(true, IDS_SELECT_VIDEO_DRIVER, IDS_VIDEO_DRIVER_FILTER, IDS_VIDEO_DRIVER_NAME,
                    OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, path))
        return;
    m_strDriver[m_nUnit] = path;
    DrawUnitLine(m_nUnit);
    SetModified(TRUE);
}

void CVideo::OnProperties()
{
    if (m_nDevice[m_nUnit] < 0) return;
    VideoProperties properties = UnpackVideoFlags(m_nFlags[m_nUnit]);
    CVideoPropsDlg dialog;
    dialog.m_strDescription = DeviceDescription(m_nUnit);
    dialog.m_nFrameRate = properties.frameRate;
    dialog.m_nQDAcceleration = properties.qdAcceleration;
    dialog.m_nVideoRAM = properties.videoRAM;
    // Cancel keeps the word as it was, reserved bits included.
    if (dialog.DoModal() == IDCANCEL) return;
    m_nFlags[m_nUnit] = PackVideoFlags({dialog.m_nFrameRate, dialog.m_nQDAcceleration, dialog.m_nVideoRAM});
    SetModified(TRUE);
}

BOOL CVideo::OnApply()
{
    for (int unit = 0; unit < VideoUnitCount; ++unit) {
        WriteSettingInt(setting::VideoDevice, unit, m_nDevice[unit]);
        WriteSettingString(setting::VideoDriver, unit, m_strDriver[unit]);
        WriteSettingInt(setting::VideoFlags, unit, m_nFlags[unit]);
    }
    return CPropertyPage::OnApply();
}
