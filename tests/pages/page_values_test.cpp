// What the pages show for stored values and what they store after the user's
// choices, on the whole sheet and a host with two sound devices; drives A: to S:
// of every kind, with a CD-ROM drive at D: and network drives at F: and H:;
// COM1:, COM2: and LPT1: that open; and a SCSI CD-ROM drive in slot 3, a disk in
// slot 8 and a device of an unnamed type in slot 63.
#include "host/host_inventory.h"
#include "pages/misc.h"
#include "pages/ports.h"
#include "res/dlg_advanced.h"
#include "res/dlg_floppy.h"
#include "res/dlg_input.h"
#include "res/dlg_misc.h"
#include "res/dlg_ports.h"
#include "res/dlg_scsi.h"
#include "tests/pages/full_sheet.h"
#include <cstdlib>
#include <regex>
#include <string>

namespace {
// One thing the user does on the row's page, or one thing checked there.
struct Step {
    enum Kind { Choose, Close, Radio, Apply, Shows, Lists, Offers } kind;
    int id = 0, item = 0;
    std::string text = {};
};
Step Choose(int id, int item) { return {Step::Choose, id, item}; }
Step Close(int id) { return {Step::Close, id}; }  // a drop-down list opened and closed without a choice
Step Radio(int id) { return {Step::Radio, id}; }
const Step Apply = {Step::Apply};
Step Shows(int id, std::string text) { return {Step::Shows, id, 0, std::move(text)}; }  // a list box: its selection
Step Lists(int id, std::string items) { return {Step::Lists, id, 0, std::move(items)}; }  // joined by "|"
Step Offers(bool apply) { return {Step::Offers, 0, apply}; }

// Values are "Name=value": a number is a DWORD, read back as a signed one; anything else a string.
struct Row {
    std::vector<std::string> stored;
    std::string shown;  // on opening, the texts of the test's controls joined by "|" ("": not checked)
    std::vector<Step> steps;
    bool modified;  // Apply offered at the end
    std::vector<std::string> written;  // by OK
};

void Store(const std::string& entry)
{
    const std::string name = entry.substr(0, entry.find('=')), value = entry.substr(name.size() + 1);
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);
    if (!value.empty() && !*end)
        WriteDwordSetting(name, static_cast<DWORD>(number));
    else
        WriteStringSetting(name, value);
}

std::string Stored(const std::string& entry)
{
    const std::string name = entry.substr(0, entry.find('='));
    const std::optional<RawValue> raw = ReadRawSetting(name);
    const std::optional<DWORD> word = DwordOf(raw);
    return name + "=" + (word ? std::to_string(static_cast<int>(*word)) : TextOf(raw).value_or("(none)"));
}

bool IsListBox(HWND page, int id)
{
    char kind[16] = {};
    ::GetClassNameA(::GetDlgItem(page, id), kind, sizeof kind);
    return ::lstrcmpiA(kind, "ListBox") == 0;
}

std::string Shown(HWND page, int id)
{
    if (!IsListBox(page, id)) return ControlText(page, id);
    const int selected = ListSelection(page, id);
    return selected < 0 ? "" : ItemTexts(page, id).at(selected);
}

void Do(const Step& step, HWND page, SheetHarness& sheet)
{
    std::string items;
    switch (step.kind) {
    case Step::Choose:
        return IsListBox(page, step.id) ? ChooseListItem(page, step.id, step.item)
                                        : ChooseComboItem(page, step.id, step.item);
    case Step::Close: return OpenAndCloseCombo(page, step.id);
    case Step::Radio: return ClickRadio(page, step.id);
    case Step::Apply: return sheet.PressApply();
    case Step::Shows: EXPECT_EQ(Shown(page, step.id), step.text) << step.id; return;
    case Step::Lists:
        for (const std::string& item : ItemTexts(page, step.id)) items += (items.empty() ? "" : "|") + item;
        EXPECT_EQ(items, step.text) << step.id;
        return;
    case Step::Offers: EXPECT_EQ(sheet.IsApplyEnabled(), step.item != 0); return;
    }
}

ScriptedHost TheHost()
{
    ScriptedHost host;
    host.memory = {1ull << 30, 1ull << 30, 0};
    const std::pair<char, UINT> drives[] = {{'A', DRIVE_REMOVABLE}, {'C', DRIVE_FIXED}, {'D', DRIVE_CDROM},
        {'F', DRIVE_REMOTE}, {'H', DRIVE_REMOTE}, {'R', DRIVE_RAMDISK}, {'S', DRIVE_UNKNOWN}};
    for (auto [letter, type] : drives) host.drives |= 1u << (letter - 'A'), host.driveTypes[letter - 'A'] = type;
    host.openPorts = 0x13;
    return host;
}

class PageValues : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        HostInventory.SoundDeviceNames[0] = "Speakers";
        HostInventory.SoundDeviceNames[1] = "Headphones";
        HostInventory.SoundDeviceCount = 2;
        HostInventory.ScsiDeviceTypes[3] = 6;
        HostInventory.ScsiDeviceNames[3] = "ACME     CD-1000         ";
        HostInventory.ScsiDeviceTypes[8] = 1;
        HostInventory.ScsiDeviceNames[8] = "ACME     DISK";
        HostInventory.ScsiDeviceTypes[63] = 32;  // peripheral type 31, which has no name
        HostInventory.ScsiDeviceTypes[20] = -5;  // not a device
    }
    void TearDown() override
    {
        ResetHostInventory();
        DialogTest::TearDown();
    }
    void Run(PageIndex index, const std::vector<int>& controls, const std::vector<Row>& rows)
    {
        const ScriptedHost host = TheHost();
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i + 1));
            DeleteCompanyKey();
            for (const std::string& entry : rows[i].stored) Store(entry);
            FullSheet full(host);
            full.sheet->ShowPage(index);
            const HWND page = full.Page(index);
            std::string shown;
            for (int id : controls) shown += (shown.empty() ? "" : "|") + Shown(page, id);
            if (!rows[i].shown.empty()) EXPECT_EQ(shown, rows[i].shown);
            for (const Step& step : rows[i].steps) Do(step, page, *full.sheet);
            EXPECT_EQ(full.sheet->IsApplyEnabled(), rows[i].modified);
            full.sheet->PressOK();
            for (const std::string& entry : rows[i].written) EXPECT_EQ(Stored(entry), entry);
        }
    }
};
}  // namespace

// The machine and the startup sound are indexes into their lists, -1 for none.
TEST_F(PageValues, Advanced)
{
    Run(kAdvanced, {IDC_ROM_PATH, IDC_MACHINE, IDC_STARTUP_SOUND}, {
        {{}, " |Mac IIci|Off", {}, false, {"ROM_Name=", "Machine=0", "Startup_Sound=0"}},
        {{"ROM_Name=C:\\ROMS\\IIci.rom", "Machine=7", "Startup_Sound=3"}, " C:\\ROMS\\IIci.rom||3", {}, false,
         {"ROM_Name=C:\\ROMS\\IIci.rom", "Machine=-1", "Startup_Sound=3"}},
        {{}, "", {Close(IDC_STARTUP_SOUND)}, true, {"Startup_Sound=0"}},
        {{}, "", {Choose(IDC_MACHINE, 5)}, true, {"Machine=5"}},
    });
}

// Two packed words, one per drive: the device letter in bits 0-4 (0 none, 1 A:
// ... 26 Z:), the auto-detect time in bits 5-8; a field past its list shows
// item 0 and stays until its combo is used; higher bits always stay.
TEST_F(PageValues, Floppy)
{
    const int device = IDC_FLOPPY_DEVICE, options = IDC_FLOPPY_OPTIONS, drive0 = IDC_FLOPPY_INTERNAL0,
              drive1 = IDC_FLOPPY_INTERNAL1;
    Run(kFloppy, {device, options}, {
        {{"Floppy0=513"}, "A:|No auto-detect", {Choose(options, 9)}, true, {"Floppy0=801", "Floppy1=0"}},
        {{"Floppy0=351"}, "None|No auto-detect", {Choose(options, 1)}, true, {"Floppy0=63"}},
        {{"Floppy1=482"}, "", {Radio(drive1), Offers(false), Shows(device, "B:"), Shows(options, "No auto-detect"),
          Choose(device, 26), Radio(drive0), Shows(device, "None")}, true, {"Floppy0=0", "Floppy1=506"}},
        {{"Floppy0=314"}, "Z:|9 sec. auto-detect", {Choose(device, 0)}, true, {"Floppy0=288"}},
        {{"Floppy0=-1"}, "None|No auto-detect", {Choose(options, 0)}, true, {"Floppy0=-481"}},
        {{"Floppy1=98"}, "", {Radio(drive1), Shows(options, "3 sec. auto-detect"), Close(options)}, true, {"Floppy1=98"}},
    });
}

// Key_Flags: the layout in bits 0-3, the command key in bits 4-7; Mouse_Flags:
// the left, middle and right buttons' actions in bits 0-3, 4-7 and 8-11. A field
// past its list shows item 0; every other bit is dropped. The page offers Apply
// as soon as it is shown.
TEST_F(PageValues, Input)
{
    const int layout = IDC_KEY_LAYOUT, cmd = IDC_CMD_KEY, left = IDC_MOUSE_LEFT, mid = IDC_MOUSE_MID,
              right = IDC_MOUSE_RIGHT;
    Run(kInput, {layout, cmd, left, mid, right}, {
        {{"Key_Flags=273", "Mouse_Flags=2"}, "ISO|Left Alt|Click|Click|Click", {}, true, {"Key_Flags=17", "Mouse_Flags=0"}},
        {{"Key_Flags=197", "Mouse_Flags=497"}, "USA|Win Keys|Click+Ctrl|Click|Click+Ctrl", {}, true,
         {"Key_Flags=0", "Mouse_Flags=257"}},
        {{}, "USA|Win Keys|Click|Click|Click", {Choose(layout, 1), Choose(cmd, 4), Choose(left, 0), Choose(mid, 1),
         Choose(right, 1)}, true, {"Key_Flags=65", "Mouse_Flags=272"}},
        {{}, "", {Apply, Close(layout), Offers(true), Apply, Close(cmd), Offers(true), Apply, Close(left),
         Offers(true), Apply, Close(mid), Offers(true), Apply, Close(right)}, true, {}},
    });
}

// Port_A and Port_B select the first listed port they prefix, ignoring case,
// and are kept as stored until a port is chosen.
TEST_F(PageValues, Ports)
{
    const int list = IDC_PORT_LIST;
    const std::string unlisted = "Port_B=" + std::string(5000, 'C');
    std::vector<Row> rows;
    for (auto [stored, shown] : {std::pair{"", "None"}, {"com2", "COM2:"}, {"lpt", "LPT1:"}, {"COM3:", "None"}})
        rows.push_back({{std::string("Port_A=") + stored, unlisted}, shown, {Radio(IDC_PORT_B), Shows(list, "None")},
                        false, {std::string("Port_A=") + stored, unlisted}});
    rows.push_back({{"Port_B=LPT1:"}, "None", {Lists(list, "None|COM1:|COM2:|LPT1:"), Choose(list, 2), Radio(IDC_PORT_B),
                    Shows(list, "LPT1:"), Choose(list, 0), Shows(IDC_PORT_STATUS, "")}, true, {"Port_A=COM2:", "Port_B="}});
    Run(kPorts, {list}, rows);
}

// Audio_Device is an index into the sound devices, -1 for none; Ethernet and
// CD_ROM a drive's letter less 64, 0 for none; any value not listed becomes none.
TEST_F(PageValues, Misc)
{
    const int sound = IDC_SOUND_DEVICE, network = IDC_NETWORK_DRIVE, cd = IDC_CDROM_DRIVE;
    Run(kMisc, {sound, network, cd}, {
        {{}, "", {Lists(sound, "None|Speakers|Headphones"), Lists(network, "None|F:|H:"), Lists(cd, "None|D:"),
          Close(sound)}, true, {}},
        {{}, "", {Close(network)}, true, {}},
        {{}, "", {Close(cd)}, true, {}},
        {{"Audio_Device=0", "Ethernet=0", "CD_ROM=0"}, "Speakers|None|None", {}, false,
         {"Audio_Device=0", "Ethernet=0", "CD_ROM=0"}},
        {{"Audio_Device=-1", "Ethernet=8", "CD_ROM=4"}, "None|H:|D:", {}, false,
         {"Audio_Device=-1", "Ethernet=8", "CD_ROM=4"}},
        {{"Audio_Device=1", "Ethernet=6", "CD_ROM=0"}, "Headphones|F:|None", {}, false,
         {"Audio_Device=1", "Ethernet=6", "CD_ROM=0"}},
        // No such device, E: absent, F: no CD-ROM drive; lower-case letters match too.
        {{"Audio_Device=2", "Ethernet=5", "CD_ROM=6"}, "None|None|None", {}, false,
         {"Audio_Device=-1", "Ethernet=0", "CD_ROM=0"}},
        {{"Audio_Device=-2", "Ethernet=38", "CD_ROM=36"}, "None|F:|D:", {}, false,
         {"Audio_Device=-1", "Ethernet=6", "CD_ROM=4"}},
        {{"Audio_Device=-2147483648", "Ethernet=-64", "CD_ROM=262"}, "None|None|None", {}, false,
         {"Audio_Device=-1", "Ethernet=0", "CD_ROM=0"}},
    });
}

// SCSI0 to SCSI6 hold a device's slot, adapter times 8 plus target, -1 for
// none; a slot without a device shows "None" and stays until the combo is used.
TEST_F(PageValues, Scsi)
{
    const int devices = IDC_SCSI_DEVICES, line0 = IDC_SCSI_LINE0, line2 = IDC_SCSI_LINE2, line4 = IDC_SCSI_LINE4;
    const std::string cd = "CD-ROM ACME     CD-1000         ", disk = "Disk ACME     DISK";
    Run(kScsi, {line0, IDC_SCSI_LINE1, line2, IDC_SCSI_LINE3, line4, IDC_SCSI_LINE5, IDC_SCSI_LINE6, devices}, {
        {{"SCSI0=3", "SCSI1=8", "SCSI2=63", "SCSI3=5", "SCSI4=-7", "SCSI5=64", "SCSI6=2147483647"},
         " " + cd + "| " + disk + "| Unknown | None| None| None| None|" + cd,
         {Lists(devices, "None|" + cd + "|" + disk + "|Unknown "), Radio(IDC_SCSI_UNIT2), Shows(devices, "Unknown "),
          Radio(IDC_SCSI_UNIT5), Shows(devices, "None")}, false, {"SCSI3=5", "SCSI4=-7", "SCSI5=64", "SCSI6=2147483647"}},
        {{"SCSI4=5"}, "", {Radio(IDC_SCSI_UNIT2), Choose(devices, 2), Shows(line2, " " + disk), Radio(IDC_SCSI_UNIT0),
          Choose(devices, 1), Radio(IDC_SCSI_UNIT4), Close(devices), Shows(line4, " None"), Radio(IDC_SCSI_UNIT1),
          Choose(devices, 1), Choose(devices, 0)}, true, {"SCSI0=3", "SCSI1=-1", "SCSI2=8", "SCSI4=-1", "SCSI6=-1"}},
    });
}

// The real port and drive probes, of which only what holds on any host is checked.
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
