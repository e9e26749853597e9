#include "pages/input.h"
#include "framework/ddx.h"
#include "host/key_capture.h"
#include "host/key_names.h"
#include "res/dlg_input.h"
#include "res/resource.h"
#include "settings/values.h"

namespace {
// Fields of Key_Flags and Mouse_Flags: bit position and last combo item.
constexpr int kLayoutShift = 0, kLastLayout = 1;       // "USA", "ISO"
constexpr int kCmdKeyShift = 4, kLastCmdKey = 4;       // "Win Keys" ... "Right Ctrl"
constexpr int kLeftShift = 0, kMidShift = 4, kRightShift = 8;
constexpr int kLastButtonAction = 1;                   // "Click", "Click+Ctrl"

const int kDiagonalButtons[] = {IDC_JOY_UP_LEFT, IDC_JOY_UP_RIGHT, IDC_JOY_DOWN_LEFT, IDC_JOY_DOWN_RIGHT};
}  // namespace

int PackedFieldItem(int value, int shift, int lastItem)
{
    int item = (value >> shift) & 15;
    return item > lastItem ? 0 : item;
}

const CommandEntry<CInput> CInput::kCommands[] = {
    {IDC_KEY_LAYOUT, CBN_SELCHANGE, &CInput::OnComboChange},
    {IDC_KEY_LAYOUT, CBN_CLOSEUP, &CInput::OnComboChange},
    {IDC_CMD_KEY, CBN_SELCHANGE, &CInput::OnComboChange},
    {IDC_CMD_KEY, CBN_CLOSEUP, &CInput::OnComboChange},
    {IDC_MOUSE_LEFT, CBN_SELCHANGE, &CInput::OnComboChange},
    {IDC_MOUSE_LEFT, CBN_CLOSEUP, &CInput::OnComboChange},
    {IDC_MOUSE_MID, CBN_SELCHANGE, &CInput::OnComboChange},
    {IDC_MOUSE_MID, CBN_CLOSEUP, &CInput::OnComboChange},
    {IDC_MOUSE_RIGHT, CBN_SELCHANGE, &CInput::OnComboChange},
    {IDC_MOUSE_RIGHT, CBN_CLOSEUP, &CInput::OnComboChange},
    {IDC_USE_DIAGONALS, BN_CLICKED, &CInput::OnUseDiagonals},
};

const CommandRangeEntry<CInput> CInput::kRanges[] = {
    {IDC_JOY_UP_LEFT, IDC_JOY_BUTTON4, BN_CLICKED, &CInput::OnJoystickKey},
};

CInput::CInput() : CPropertyPage(IDD_INPUT) {}

void CInput::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USE_DIAGONALS, m_chkUseDiagonals);
    DDX_Control(pDX, IDC_MOUSE_MID, m_cmbMid);
    DDX_Control(pDX, IDC_MOUSE_RIGHT, m_cmbRight);
    DDX_Control(pDX, IDC_MOUSE_LEFT, m_cmbLeft);
    DDX_Control(pDX, IDC_KEY_LAYOUT, m_cmbLayout);
    DDX_Control(pDX, IDC_CMD_KEY, m_cmbCmdKey);
    DDX_Check(pDX, IDC_USE_DIAGONALS, m_bUseDiagonals);
}

BOOL CInput::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code) || DispatchCommandRange(this, kRanges, id, code);
}

BOOL CInput::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const int keys = ReadSettingInt(setting::KeyFlags);
    m_cmbLayout.SetCurSel(PackedFieldItem(keys, kLayoutShift, kLastLayout));
    m_cmbCmdKey.SetCurSel(PackedFieldItem(keys, kCmdKeyShift, kLastCmdKey));
    const int mouse = ReadSettingInt(setting::MouseFlags);
    m_cmbLeft.SetCurSel(PackedFieldItem(mouse, kLeftShift, kLastButtonAction));
    m_cmbMid.SetCurSel(PackedFieldItem(mouse, kMidShift, kLastButtonAction));
    m_cmbRight.SetCurSel(PackedFieldItem(mouse, kRightShift, kLastButtonAction));
    m_chkUseDiagonals.SetCheck(m_bUseDiagonals);
    // This marks the page modified, so Apply is offered as soon as the page has
    // been shown and writes both values even when nothing was changed.
    OnUseDiagonals();
    return TRUE;
}

void CInput::OnComboChange()
{
    // Closing a list marks the page too, even when the selection stayed.
    SetModified(TRUE);
}

void CInput::OnUseDiagonals()
{
    const BOOL diagonals = m_chkUseDiagonals.GetCheck() == BST_CHECKED;
    for (int id : kDiagonalButtons) ::EnableWindow(GetDlgItem(id), diagonals);
    SetModified(TRUE);
}

void CInput::OnJoystickKey(UINT id)
{
    m_nCapturedKey = CaptureKey(this);
    // The button that asked shows the key it got; no setting holds joystick keys.
    if (m_nCapturedKey >= 0 && m_nCapturedKey < KeyNameCount) SetDlgItemText(id, KeyNameTable[m_nCapturedKey]);
}

BOOL CInput::OnApply()
{
    WriteSettingInt(setting::KeyFlags, 0, (m_cmbCmdKey.GetCurSel() << kCmdKeyShift) + m_cmbLayout.GetCurSel());
    WriteSettingInt(setting::MouseFlags, 0,
                    (m_cmbRight.GetCurSel() << kRightShift) + (m_cmbMid.GetCurSel() << kMidShift) +
                        (m_cmbLeft.GetCurSel() << kLeftShift));
    return CPropertyPage::OnApply();
}
