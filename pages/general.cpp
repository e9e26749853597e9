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

CGeneral::CGeneral(MemoryStatusQuery queryMemory) : CPropertyPage(IDD_GENERAL), m_queryMemory(queryMemory) {}

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
    // The 64-bit figures, as the RAM page has them: the older 32-bit query
    // stops at 2 GiB (4 GiB large-address-aware) in the 32-bit build.
    const MemoryStatus memory = m_queryMemory();
    facts.memoryText = MemoryText(memory.availPhys, memory.totalPhys);
    facts.windowsVersionText = CurrentWindowsVersionText();
    facts.directXVersion = HostInventory.DirectXVersion;
    facts.aspiSupportInfo = HostInventory.AspiSupportInfo;
    for (const std::string& line : GeneralInformationLines(facts)) m_lstInformation.AddString(line);
    return TRUE;
}
