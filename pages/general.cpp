#include "pages/general.h"
#include "framework/ddx.h"
#include "framework/strings.h"
#include "host/host_inventory.h"
#include "host/system_facts.h"
#include "res/dlg_general.h"
#include "res/resource.h"

namespace {
std::string Line(UINT labelId, const std::string& value)
{
    return LoadStringResource(labelId) + "  " + value;
}
}  // namespace

std::vector<std::string> GeneralInformationLines(const GeneralFacts& facts)
{
    std::vector<std::string> lines;
    if (facts.userName) lines.push_back(*facts.userName);
    lines.push_back(Line(IDS_CPU, facts.processorName));
    lines.push_back(Line(IDS_RAM, facts.memoryText));
    lines.push_back(Line(IDS_OS, facts.windowsVersionText));
    lines.push_back(Line(IDS_LANGUAGE, LoadStringResource(IDS_ENGLISH)));
    lines.push_back(Line(IDS_DIRECTX, DirectXVersionText(facts.directXVersion)));
    lines.push_back(Line(IDS_ASPI, AspiSupportText(facts.aspiSupportInfo)));
    return lines;
}

CGeneral::CGeneral() : CPropertyPage(IDD_GENERAL) {}

void CGeneral::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GENERAL_INFO, m_lstInformation);
}

BOOL CGeneral::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    GeneralFacts facts;
    facts.userName = QueryUserName();
    facts.processorName = CurrentProcessorName();
    facts.memoryText = CurrentMemoryText();
    facts.windowsVersionText = CurrentWindowsVersionText();
    facts.directXVersion = HostInventory.DirectXVersion;
    facts.aspiSupportInfo = HostInventory.AspiSupportInfo;
    for (const std::string& line : GeneralInformationLines(facts)) m_lstInformation.AddString(line);
    return TRUE;
}
