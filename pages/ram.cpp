#include "pages/ram.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "res/dlg_ram.h"
#include "res/resource.h"
#include <algorithm>
#include <climits>

const CommandEntry<CRAM> CRAM::kCommands[] = {
    {IDC_RAM_SELECTED, EN_CHANGE, &CRAM::OnChangeMemory},
};

const NotifyEntry<CRAM> CRAM::kNotifications[] = {
    {IDC_RAM_SPIN, UDN_DELTAPOS, &CRAM::OnDeltaposSpin},
};

namespace {
constexpr ULONGLONG kBytesPerMiB = 1024 * 1024;
}

int AvailableMemoryMB(const MemoryStatus& status)
{
    ULONGLONG mib = (status.availPhys + status.availPageFile) / kBytesPerMiB;
    return static_cast<int>(std::min<ULONGLONG>(mib, INT_MAX));
}

int RecommendedMemoryMB(const MemoryStatus& status, int availableMB)
{
    ULONGLONG half = (status.totalPhys / kBytesPerMiB + 1) / 2;
    return std::min({static_cast<int>(std::min<ULONGLONG>(half, INT_MAX)), MaxMemoryMB, availableMB});
}

CRAM::CRAM(MemoryStatusQuery queryMemory) : CPropertyPage(IDD_RAM), m_queryMemory(queryMemory)
{
    MemoryStatus status = m_queryMemory();
    m_nAvailable = AvailableMemoryMB(status);
    m_nMemory = ReadSettingInt(setting::Memory, 0, RecommendedMemoryMB(status, m_nAvailable));
}

void CRAM::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RAM_RECOMMENDED, m_stcRecommended);
    DDX_Control(pDX, IDC_RAM_SPIN, m_spinRAM);
    // Showing the amount is no edit by the user: its change notification must
    // not enable Apply when the page opens or comes back.
    m_bShowingMemory = !pDX->m_bSaveAndValidate;
    DDX_Text(pDX, IDC_RAM_SELECTED, m_nMemory);
    m_bShowingMemory = false;
    DDV_MinMaxInt(pDX, m_nMemory, 0, MaxMemoryMB);
    DDX_Text(pDX, IDC_RAM_AVAILABLE, m_nAvailable);
    // The second range concerns the typed amount too: its edit takes the focus.
    if (pDX->m_bSaveAndValidate) pDX->PrepareEditCtrl(IDC_RAM_SELECTED);
    DDV_MinMaxInt(pDX, m_nMemory, 0, m_nAvailable);
}

BOOL CRAM::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CRAM::OnNotify(NMHDR* header, LRESULT* result)
{
    return DispatchNotify(this, kNotifications, header, result);
}

BOOL CRAM::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // The 32-bit range: available amounts above 32,767 MiB do not fit the
    // 16-bit one, and the arrows must work across all of it.
    m_spinRAM.SetRange32(0, m_nAvailable);
    UpdateRecommended();
    return TRUE;
}

BOOL CRAM::OnSetActive()
{
    if (!CPropertyPage::OnSetActive()) return FALSE;
    UpdateRecommended();
    return TRUE;
}

void CRAM::UpdateRecommended()
{
    int recommended = RecommendedMemoryMB(m_queryMemory(), m_nAvailable);
    m_stcRecommended.SetWindowText(LoadStringResource(IDS_RECOMMENDED) + "  " + std::to_string(recommended) + " MB");
}

void CRAM::OnDeltaposSpin(NMHDR*, LRESULT* result)
{
    SetModified(TRUE);
    *result = 0;
}

void CRAM::OnChangeMemory()
{
    if (!m_bShowingMemory) SetModified(TRUE);
}

BOOL CRAM::OnApply()
{
    WriteSettingInt(setting::Memory, 0, m_nMemory);
    return CPropertyPage::OnApply();
}
