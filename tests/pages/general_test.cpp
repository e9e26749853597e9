// The General page's list of host facts.
#include "host/host_inventory.h"
#include "pages/general.h"
#include "res/dlg_general.h"
#include "tests/support/gui.h"

namespace {
// 64 GiB installed, 40 GiB free: beyond what 32-bit figures hold.
MemoryStatus BigHost() { return {(64ull << 30) - 1, 40ull << 30, 0}; }
}  // namespace

TEST(GeneralPage, ShowsTheFactsOfThisHostAndTheInventory)
{
    const struct { DWORD directX, aspi; const char* shown; } rows[] = {
        {0x700, 0x0100, "DirectX:  7+|ASPI:  Present"},                // usable, no adapters
        {0, 0xE800, "DirectX:  Not present|ASPI:  Not present"},  // Wine's stand-in: not usable
    };
    for (const auto& r : rows) {
        HostInventory.DirectXVersion = r.directX;
        HostInventory.AspiSupportInfo = r.aspi;
        CGeneral page(BigHost);
        SheetHarness sheet({&page});
        const Texts lines = ItemTexts(page.m_hWnd, IDC_GENERAL_INFO);
        ResetHostInventory();
        ASSERT_EQ(lines.size(), 7u);  // Wine always knows the user
        EXPECT_EQ(lines[2], "RAM:  40960 / 65536 MB");
        EXPECT_EQ(lines[3].rfind("OS:  Windows", 0), 0u);
        EXPECT_EQ(lines[5] + "|" + lines[6], r.shown);
    }
}
