// The General page's list of host facts.
#include "host/host_inventory.h"
#include "pages/general.h"
#include "res/dlg_general.h"
#include "tests/support/gui.h"

TEST(GeneralPage, LinesPairLabelAndValueAndLeaveOutAnUnknownUser)
{
    GeneralFacts facts;
    facts.userName = "kim";
    facts.processorName = "Pentium II ('686)";
    facts.memoryText = "23 / 64 MB";
    facts.windowsVersionText = "Windows NT 4.0";
    facts.directXVersion = 0x601;
    facts.aspiSupportInfo = 0x0102;
    EXPECT_EQ(GeneralInformationLines(facts), (Texts{"kim", "CPU:  Pentium II ('686)", "RAM:  23 / 64 MB", "OS:  Windows NT 4.0",
                                                     "Language:  English", "DirectX:  6+", "ASPI:  Present"}));
    facts.userName.reset();
    facts.windowsVersionText.clear();
    facts.directXVersion = 0;
    facts.aspiSupportInfo = 0xE800;
    EXPECT_EQ(GeneralInformationLines(facts), (Texts{"CPU:  Pentium II ('686)", "RAM:  23 / 64 MB", "OS:  ", "Language:  English",
                                                     "DirectX:  Not present", "ASPI:  Not present"}));
}

namespace {
// 64 GiB installed, 40 GiB free: beyond what 32-bit figures hold.
MemoryStatus BigHost() { return {(64ull << 30) - 1, 40ull << 30, 0}; }
}  // namespace

TEST(GeneralPage, ShowsTheFactsOfThisHostAndTheInventory)
{
    HostInventory.DirectXVersion = 0x700;
    HostInventory.AspiSupportInfo = 0x0100;  // usable, no adapters
    CGeneral page(BigHost);
    SheetHarness sheet({&page});
    const Texts lines = ItemTexts(page.m_hWnd, IDC_GENERAL_INFO);
    ResetHostInventory();
    ASSERT_EQ(lines.size(), 7u);  // Wine always knows the user
    EXPECT_EQ(lines[2], "RAM:  40960 / 65536 MB");
    EXPECT_EQ(lines[3].rfind("OS:  Windows", 0), 0u);
    EXPECT_EQ(lines[5] + "|" + lines[6], "DirectX:  7+|ASPI:  Present");
}
