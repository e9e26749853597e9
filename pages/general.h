#pragma once
// The General page: facts about the host that a user quotes when asking for
// support. It edits nothing and writes nothing.
#include "framework/controls.h"
#include "framework/propertypage.h"
#include "host/memory_status.h"
#include <optional>
#include <string>
#include <vector>

// What the page lists, gathered when it is first shown.
struct GeneralFacts {
    std::optional<std::string> userName;
    std::string processorName;
    std::string memoryText;
    std::string windowsVersionText;
    DWORD directXVersion = 0;
    DWORD aspiSupportInfo = 0;
};

// The list's lines: the user name alone (when known), then label, two blanks
// and value for CPU, RAM, OS, language, DirectX and ASPI.
std::vector<std::string> GeneralInformationLines(const GeneralFacts& facts);

class CGeneral : public CPropertyPage {
public:
    explicit CGeneral(MemoryStatusQuery queryMemory = CurrentMemoryStatus);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    MemoryStatusQuery m_queryMemory;
    CListBox m_lstInformation;
};
