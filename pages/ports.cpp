#include "pages/ports.h"
#include "settings/values.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "framework/waitcursor.h"
#include "res/dlg_ports.h"
#include "res/resource.h"

const CommandEntry<CPorts> CPorts::kCommands[] = {
    {IDC_PORT_A, BN_CLICKED, &CPorts::OnPortA},
    {IDC_PORT_B, BN_CLICKED, &CPorts::OnPortB},
    {IDC_PORT_LIST, LBN_SELCHANGE, &CPorts::OnSelchangeList},
};

namespace {
constexpr int kPortsPerFamily = 4;

std::string PortName(std::string firstName, int number)
{
    firstName[3] = static_cast<char>('0' + number);
    return firstName;
}

void AddFamily(std::vector<std::string>& names, int mask, const char* firstName)
{
    for (int number = 1; mask >> (number - 1) != 0; ++number)
        if (mask & (1 << (number - 1))) names.push_back(PortName(firstName, number));
}
}  // namespace

int ProbePortFamily(const PortProbe& opens, const std::string& firstName)
{
    // Highest number first, so that after the last shift bit k - 1 is port k.
    int mask = 0;
    for (int number = kPortsPerFamily; number >= 1; --number) {
        mask <<= 1;
        if (opens(PortName(firstName, number))) mask |= 1;
    }
    return mask;
}

std::vector<std::string> FoundPortNames(int serialMask, int printerMask)
{
    std::vector<std::string> names;
    AddFamily(names, serialMask, "COM1:");
    AddFamily(names, printerMask, "LPT1:");
    return names;
}

CPorts::CPorts(PortProbe opens) : CPropertyPage(IDD_PORTS), m_probe(std::move(opens)) {}

void CPorts::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PORT_A, m_btnPortA);
    DDX_Control(pDX, IDC_PORT_STATUS, m_stcStatus);
    DDX_Control(pDX, IDC_PORT_LIST, m_lstDevices);
}

BOOL CPorts::OnCommand(UINT id, UINT code)
{
    return DispatchCommand(this, kCommands, id, code);
}

BOOL CPorts::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    {
        CWaitCursor wait;  // opening a port can take a moment
        m_nSerialPorts = ProbePortFamily(m_probe, "COM1:");
        m_nPrinterPorts = ProbePortFamily(m_probe, "LPT1:");
    }
    m_strPortA = ReadSettingString(setting::PortA);
    m_strPortB = ReadSettingString(setting::PortB);

    m_lstDevices.AddString(LoadStringResource(IDS_NONE));
    for (const std::string& name : FoundPortNames(m_nSerialPorts, m_nPrinterPorts)) m_lstDevices.AddString(name);
    m_btnPortA.SetCheck(BST_CHECKED);
    OnPortA();
    return TRUE;
}

void CPorts::ShowDevice(const std::string& device)
{
    // The list's own prefix search ignores case, so "com2" finds COM2:. An
    // empty text would match any item; it means "None".
    int found = m_lstDevices.FindString(0, device);
    m_lstDevices.SetCurSel(found == LB_ERR ? 0 : found);
}

void CPorts::OnPortA()
{
    ShowDevice(m_strPortA);
}

void CPorts::OnPortB()
{
    ShowDevice(m_strPortB);
}

void CPorts::OnSelchangeList()
{
    int item = m_lstDevices.GetCurSel();
    std::string& device = m_btnPortA.GetCheck() == BST_CHECKED ? m_strPortA : m_strPortB;
    device = item > 0 ? m_lstDevices.GetText(item) : std::string();
    SetModified(TRUE);
}

BOOL CPorts::OnApply()
{
    WriteSettingString(setting::PortA, 0, m_strPortA);
    WriteSettingString(setting::PortB, 0, m_strPortB);
    return CPropertyPage::OnApply();
}
