// The Ports page on a host where COM1:, COM2: and LPT1: open; and the real
// port and drive probes, of which only what holds on any host is checked.
#include "pages/misc.h"
#include "pages/ports.h"
#include "res/dlg_misc.h"
#include "res/dlg_ports.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include <regex>

namespace {
struct PortsPageTest : FreshSettingsTest {
    Texts probed;
    PortProbe host = [this](const std::string& name) {
        probed.push_back(name);
        return name == "COM1:" || name == "COM2:" || name == "LPT1:";
    };
};
}  // namespace

TEST_F(PortsPageTest, StoredDevicesSelectByPrefixIgnoringCaseAndStayUntilChosen)
{
    const std::string unlisted(5000, 'C');
    const struct { const char* stored; int shown; } rows[] = {{"", 0}, {"com2", 2}, {"lpt", 3}, {"COM3:", 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored);
        WriteStringSetting("Port_A", r.stored);
        WriteStringSetting("Port_B", unlisted);
        CPorts page(host);
        SheetHarness sheet({&page});
        EXPECT_EQ(ListSelection(page.m_hWnd, IDC_PORT_LIST), r.shown);
        ClickRadio(page.m_hWnd, IDC_PORT_B);
        EXPECT_EQ(ListSelection(page.m_hWnd, IDC_PORT_LIST), 0);
        EXPECT_FALSE(sheet.IsApplyEnabled());
        sheet.PressOK();
        EXPECT_EQ(ReadStringSetting("Port_A"), r.stored);
        EXPECT_EQ(ReadStringSetting("Port_B"), unlisted);
    }
}

TEST_F(PortsPageTest, ListsThePortsThatOpenAndAChoiceSetsTheShownPortOnly)
{
    WriteStringSetting("Port_B", "LPT1:");
    CPorts page(host);
    SheetHarness sheet({&page});
    EXPECT_EQ(probed, (Texts{"COM4:", "COM3:", "COM2:", "COM1:", "LPT4:", "LPT3:", "LPT2:", "LPT1:"}));
    EXPECT_EQ(ItemTexts(page.m_hWnd, IDC_PORT_LIST), (Texts{"None", "COM1:", "COM2:", "LPT1:"}));
    ChooseListItem(page.m_hWnd, IDC_PORT_LIST, 2);
    EXPECT_TRUE(sheet.IsApplyEnabled());
    ClickRadio(page.m_hWnd, IDC_PORT_B);
    EXPECT_EQ(ListSelection(page.m_hWnd, IDC_PORT_LIST), 3);
    ChooseListItem(page.m_hWnd, IDC_PORT_LIST, 0);
    EXPECT_EQ(ControlText(page.m_hWnd, IDC_PORT_STATUS), "");
    sheet.PressOK();
    EXPECT_EQ(ReadStringSetting("Port_A"), "COM2:");
    EXPECT_EQ(ReadStringSetting("Port_B"), "");
}

TEST(HostProbes, ListOnlyWellFormedNamesAfterNone)
{
    CPorts ports;
    CMisc misc;
    SheetHarness sheet({&ports, &misc});
    sheet.ShowPage(1);
    for (const Texts& items : {ItemTexts(ports.m_hWnd, IDC_PORT_LIST), ItemTexts(misc.m_hWnd, IDC_NETWORK_DRIVE),
                               ItemTexts(misc.m_hWnd, IDC_CDROM_DRIVE)}) {
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items[0], "None");
        for (size_t i = 1; i < items.size(); ++i)
            EXPECT_TRUE(std::regex_match(items[i], std::regex("(COM|LPT)[1-4]:|[A-Z]:"))) << items[i];
    }
    sheet.PressCancel();
}

TEST(HostProbes, WithoutPortsDrivesOrSoundDevicesOnlyNoneIsOffered)
{
    const CHostInventory bare;
    CPorts ports([](const std::string&) { return false; });
    CMisc misc({[] { return DWORD(0); }, [](const std::string&) { return UINT(DRIVE_NO_ROOT_DIR); }}, bare);
    SheetHarness sheet({&ports, &misc});
    sheet.ShowPage(1);
    for (const Texts& items : {ItemTexts(ports.m_hWnd, IDC_PORT_LIST), ItemTexts(misc.m_hWnd, IDC_SOUND_DEVICE),
                               ItemTexts(misc.m_hWnd, IDC_NETWORK_DRIVE), ItemTexts(misc.m_hWnd, IDC_CDROM_DRIVE)})
        EXPECT_EQ(items, Texts{"None"});
    sheet.PressCancel();
}
