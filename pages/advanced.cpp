#include "pages/advanced.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "pages/file_choice.h"
#include "res/dlg_advanced.h"
#include "res/resource.h"

const CommandEntry<CAdvanced> CAdvanced::kCommands[] = {
    {IDC_ROM_BROWSE, BN_CLICKED, &CAdvanced::OnRomBrowse},
    {IDC_MACHINE, CBN_SELCHANGE, &CAdvanced::OnComboChange},
    {IDC_MACHINE, CBN_CLOSEUP, &CAdvanced::OnComboChange},
    {IDC_STARTUP_SOUND, CBN_SELCHANGE, &CAdvanced::OnComboChange},
    {IDC_STARTUP_SOUND, CBN_CLOSEUP, &CAdvanced::OnComboChange},
};

namespace {
// The display shows the path behind one blank, so an empty path shows a blank.
std::string RomPathDisplay(const std::string& path)
{
    return " " + path;
}
}  // namespace

CAdvanced::CAdvanced() : CPropertyPage(IDD_ADVANCED) {}

void CAdvanced::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STARTUP_SOUND, m_cmbStartupSound);
    DDX_Control(pDX, IDC_MACHINE, m_cmbMachine);
    DDX_Control(pDX, IDC_ROM_PATH, m_stcRomPath);
}

BOOL CAdvanced::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CAdvanced::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_strRomPath = ReadSettingString(setting::RomName);
    m_stcRomPath.SetWindowText(RomPathDisplay(m_strRomPath));
    // A stored index outside the list leaves the combo without a selection.
    m_cmbMachine.SetCurSel(ReadSettingInt(setting::Machine));
    m_cmbStartupSound.SetCurSel(ReadSettingInt(setting::StartupSound));
    return TRUE;
}

void CAdvanced::OnRomBrowse()
{
    std::string path;
    if (!ChooseFile(true, IDS_SELECT_ROM, IDS_ROM_FILTER, IDS_ROM_NAME, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, path))
        return;
    m_strRomPath = path;
    m_stcRomPath.SetWindowText(RomPathDisplay(m_strRomPath));
    SetModified(TRUE);
}

void CAdvanced::OnComboChange()
{
    // Closing a list marks the page too, even when the selection stayed.
    SetModified(TRUE);
}

BOOL CAdvanced::OnApply()
{
    WriteSettingString(setting::RomName, 0, m_strRomPath);
    WriteSettingInt(setting::Machine, 0, m_cmbMachine.GetCurSel());
    WriteSettingInt(setting::StartupSound, 0, m_cmbStartupSound.GetCurSel());
    return CPropertyPage::OnApply();
}
