// The General page's list of host facts.
#include "host/host_inventory.h"
#include "pages/general.h"
#include "res/dlg_general.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include <gtest/gtest.h>

namespace {
GeneralFacts SampleFacts()
{
    GeneralFacts facts;
    facts.userName = "kim";
    facts.processorName = "Pentium II ('686)";
    facts.memoryText = "23 / 64 MB";
    facts.windowsVersionText = "Windows NT 4.0";
    facts.directXVersion = 0x601;
    facts.aspiSupportInfo = 0x0102;
    return facts;
}
}  // namespace

TEST(GeneralLines, LabelAndValueAreSeparatedByTwoBlanks)
{
    EXPECT_EQ(GeneralInformationLines(SampleFacts()),
              (std::vector<std::string>{"kim", "CPU:  Pentium II ('686)", "RAM:  23 / 64 MB", "OS:  Windows NT 4.0",
                                        "Language:  English", "DirectX:  6+", "ASPI:  Present"}));
}

TEST(GeneralLines, WithoutUserNameOrPlatformPartsTheListShrinksAndSaysNotPresent)
{
    GeneralFacts facts = SampleFacts();
    facts.userName.reset();
    facts.windowsVersionText.clear();
    facts.directXVersion = 0;
    facts.aspiSupportInfo = 0xE800;
    EXPECT_EQ(GeneralInformationLines(facts),
              (std::vector<std::string>{"CPU:  Pentium II ('686)", "RAM:  23 / 64 MB", "OS:  ", "Language:  English",
                                        "DirectX:  Not present", "ASPI:  Not present"}));
}

TEST(GeneralPage, ShowsTheHostFactsAndWritesNothing)
{
    DeleteCompanyKey();
    ResetHostInventory();
    HostInventory.DirectXVersion = 0x700;
    HostInventory.AspiSupportInfo = 0x0100;  // usable, no adapters

    CGeneral page;
    SheetHarness sheet({&page});
    CListBox list;
    list.Attach(::GetDlgItem(page.m_hWnd, IDC_GENERAL_INFO));
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.GetText(i));

    ASSERT_EQ(lines.size(), 7u);  // Wine always knows the user
    EXPECT_EQ(lines[1].rfind("CPU:  ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("RAM:  ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("OS:  Windows", 0), 0u);
    EXPECT_EQ(lines[4], "Language:  English");
    EXPECT_EQ(lines[5], "DirectX:  7+");
    EXPECT_EQ(lines[6], "ASPI:  Present");

    sheet.PressOK();
    EXPECT_FALSE(CompanyKeyExists());
    ResetHostInventory();
}
