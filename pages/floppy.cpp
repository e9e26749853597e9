#include "pages/floppy.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "res/dlg_floppy.h"
#include "res/resource.h"

const CommandEntry<CFloppy> CFloppy::kCommands[] = {
    {IDC_FLOPPY_INTERNAL0, BN_CLICKED, &CFloppy::OnInternal0},
    {IDC_FLOPPY_INTERNAL1, BN_CLICKED, &CFloppy::OnInternal1},
    {IDC_FLOPPY_DEVICE, CBN_SELCHANGE, &CFloppy::OnDeviceChange},
    {IDC_FLOPPY_DEVICE, CBN_CLOSEUP, &CFloppy::OnDeviceChange},
    {IDC_FLOPPY_OPTIONS, CBN_SELCHANGE, &CFloppy::OnDetectChange},
    {IDC_FLOPPY_OPTIONS, CBN_CLOSEUP, &CFloppy::OnDetectChange},
};

namespace {
constexpr unsigned kDeviceMask = 0x1F;  // bits 0-4
constexpr int kLastDevice = 26;         // Z:
constexpr int kDetectShift = 5;
constexpr unsigned kDetectMask = 0xF;   // bits 5-8, once shifted down
constexpr int kLastDetect = 9;          // "9 sec. auto-detect"
}  // namespace

int FloppyDeviceItem(int word)
{
    int device = static_cast<int>(static_cast<unsigned>(word) & kDeviceMask);
    return device > kLastDevice ? 0 : device;
}

int FloppyDetectItem(int word)
{
    int detect = static_cast<int>((static_cast<unsigned>(word) >> kDetectShift) & kDetectMask);
    return detect > kLastDetect ? 0 : detect;
}

int WithFloppyDevice(int word, int item)
{
    if (item < 0 || item > kLastDevice) return word;  // no selection: nothing to store
    return static_cast<int>((static_cast<unsigned>(word) & ~kDeviceMask) | static_cast<unsigned>(item));
}

int WithFloppyDetect(int word, int item)
{
    if (item < 0 || item > kLastDetect) return word;
    return static_cast<int>((static_cast<unsigned>(word) & ~(kDetectMask << kDetectShift)) |
                            (static_cast<unsigned>(item) << kDetectShift));
}

CFloppy::CFloppy() : CPropertyPage(IDD_FLOPPY) {}

void CFloppy::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FLOPPY_OPTIONS, m_cmbOptions);
    DDX_Control(pDX, IDC_FLOPPY_DEVICE, m_cmbDevice);
    DDX_Control(pDX, IDC_FLOPPY_INTERNAL0, m_btnInternal0);
    DDX_Control(pDX, IDC_FLOPPY_FILE_TEXT, m_stcFile);
}

BOOL CFloppy::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CFloppy::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // Every letter is offered, whatever drives the host has now.
    m_cmbDevice.AddString(LoadStringResource(IDS_NONE));
    for (char letter = 'A'; letter <= 'Z'; ++letter) m_cmbDevice.AddString(std::string{letter, ':'});
    m_nFloppy0 = ReadSettingInt(setting::Floppy, 0);
    m_nFloppy1 = ReadSettingInt(setting::Floppy, 1);
    m_btnInternal0.SetCheck(BST_CHECKED);
    ShowDriveSettings(m_nFloppy0);
    return TRUE;
}

void CFloppy::ShowDriveSettings(int word)
{
    // Only shows: a field out of range stays in the word until its combo is used.
    m_cmbDevice.SetCurSel(FloppyDeviceItem(word));
    m_cmbOptions.SetCurSel(FloppyDetectItem(word));
}

int& CFloppy::EditedWord()
{
    return m_btnInternal0.GetCheck() == BST_CHECKED ? m_nFloppy0 : m_nFloppy1;
}

void CFloppy::OnInternal0()
{
    ShowDriveSettings(m_nFloppy0);
}

void CFloppy::OnInternal1()
{
    ShowDriveSettings(m_nFloppy1);
}

void CFloppy::OnDeviceChange()
{
    int& word = EditedWord();
    word = WithFloppyDevice(word, m_cmbDevice.GetCurSel());
    SetModified(TRUE);
}

void CFloppy::OnDetectChange()
{
    int& word = EditedWord();
    word = WithFloppyDetect(word, m_cmbOptions.GetCurSel());
    SetModified(TRUE);
}

BOOL CFloppy::OnApply()
{
    WriteSettingInt(setting::Floppy, 0, m_nFloppy0);
    WriteSettingInt(setting::Floppy, 1, m_nFloppy1);
    return CPropertyPage::OnApply();
}
