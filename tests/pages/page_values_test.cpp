// What the pages show for stored values and what they store after the user's
// choices, on the whole sheet and, but for its memory, one host: display devices
// DISPLAY1 ("Adapter 1") and DISPLAY2 ("Adapter 2"); two sound devices; drives
// A: to S: of every kind, with a CD-ROM drive at D: and network drives at F: and
// H:; COM1:, COM2: and LPT1: that open; and a SCSI CD-ROM drive in slot 3, a disk
// in slot 8 and a device of an unnamed type in slot 63.
#include "host/host_inventory.h"
#include "pages/misc.h"
#include "pages/ports.h"
#include "pages/video.h"
#include "pages/video_props_dlg.h"
#include "res/dlg_advanced.h"
#include "res/dlg_floppy.h"
#include "res/dlg_input.h"
#include "res/dlg_misc.h"
#include "res/dlg_ports.h"
#include "res/dlg_ram.h"
#include "res/dlg_scsi.h"
#include "res/dlg_video.h"
#include "tests/pages/full_sheet.h"
#include "tests/support/temp_folder.h"
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <tuple>

namespace {
// One thing the user does on the row's page, or one thing checked there.
using Step = std::function<void(HWND page, SheetHarness& sheet)>;
Step Choose(int id, int item) { return [=](HWND page, SheetHarness&) { ChooseItem(page, id, item); }; }
// A drop-down list opened and closed without a choice.
Step Close(int id) { return [=](HWND page, SheetHarness&) { OpenAndCloseCombo(page, id); }; }
Step Radio(int id) { return [=](HWND page, SheetHarness&) { ClickRadio(page, id); }; }
Step Click(int id) { return [=](HWND page, SheetHarness&) { ClickButton(page, id); }; }
const Step Apply = [](HWND, SheetHarness& sheet) { sheet.PressApply(); };
// The next file dialog's answer: a path, or Cancel.
Step Answer(std::optional<std::string> path) { return [=](HWND, SheetHarness&) { TestApp().AnswerFileDialog(path); }; }
Step Shows(int id, std::string text) { return [=](HWND page, SheetHarness&) { EXPECT_EQ(ControlText(page, id), text) << id; }; }
// Every item of a list, joined by "|".
Step Lists(int id, std::string items)
{
    return [=](HWND page, SheetHarness&) {
        std::string joined;
        for (const std::string& item : ItemTexts(page, id)) joined += (joined.empty() ? "" : "|") + item;
        EXPECT_EQ(joined, items) << id;
    };
}
Step Offers(bool apply) { return [=](HWND, SheetHarness& sheet) { EXPECT_EQ(sheet.IsApplyEnabled(), apply); }; }
// Presses Properties... and runs `action` on the dialog, if one opens.
Step Properties(std::function<void(HWND dialog)> action)
{
    return [=](HWND page, SheetHarness&) {
        OnNextModalDialog(action);
        ClickButton(page, IDC_VIDEO_PROPERTIES);
        ForgetModalAction();
    };
}
// Cancels Properties..., which describes the unit's device (nullptr: opens nothing).
Step Describes(const char* description)
{
    return [=](HWND page, SheetHarness& sheet) {
        std::string shown = "(nothing)";
        Properties([&shown](HWND dialog) {
            shown = ControlText(dialog, IDC_PROPS_DEVICE), ClickButton(dialog, IDCANCEL);
        })(page, sheet);
        EXPECT_EQ(shown, description ? description : "(nothing)");
    };
}
// The track bar moved as a drag moves it: the position, then the scroll message.
void Slide(HWND dialog, int position)
{
    ::SendDlgItemMessageA(dialog, IDC_PROPS_FPS_SLIDER, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_PROPS_FPS_SLIDER)));
}

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
        for (int i = 0; i < 2; ++i) {
            HostInventory.DisplayDriverNames[i] = "DISPLAY" + std::to_string(i + 1);
            HostInventory.DisplayDescriptions[i] = "Adapter " + std::to_string(i + 1);
        }
        HostInventory.DisplayDeviceCount = 2;
        for (const char* name : {"Speakers", "Headphones"})
            HostInventory.SoundDeviceNames[HostInventory.SoundDeviceCount++] = name;
        // Type 32 is peripheral type 31, which has no name; -5 is no device.
        for (auto [slot, type, name] : {std::tuple{3, 6, "ACME     CD-1000         "}, {8, 1, "ACME     DISK"},
                                        {63, 32, ""}, {20, -5, ""}})
            HostInventory.ScsiDeviceTypes[slot] = type, HostInventory.ScsiDeviceNames[slot] = name;
    }
    void TearDown() override
    {
        ResetHostInventory();
        DialogTest::TearDown();
    }
    void Run(PageIndex index, const std::vector<int>& controls, const std::vector<Row>& rows,
             const ScriptedHost& host = TheHost())
    {
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i + 1));
            DeleteCompanyKey();
            for (const std::string& entry : rows[i].stored) Store(entry);
            FullSheet full(host);
            full.sheet->ShowPage(index);
            const HWND page = full.Page(index);
            std::string shown;
            for (int id : controls) shown += (shown.empty() ? "" : "|") + ControlText(page, id);
            if (!rows[i].shown.empty()) { EXPECT_EQ(shown, rows[i].shown); }
            for (const Step& step : rows[i].steps) step(page, *full.sheet);
            EXPECT_EQ(full.sheet->IsApplyEnabled(), rows[i].modified);
            full.sheet->PressOK();
            for (const std::string& entry : rows[i].written) EXPECT_EQ(Stored(entry), entry);
        }
    }
};
}  // namespace

// Memory: the amount in MB, by default half the host's memory, at most 2047 MB.
// The page cannot be left with more than that, or than is available (physical
// memory and page file), or with no integer.
TEST_F(PageValues, Ram)
{
    const int edit = IDC_RAM_SELECTED;
    const std::string integer = "Please enter an integer.";
    // Leaving the page for the next and coming back says `refusal`, if any; the
    // page then stays, its amount selected to be typed again.
    auto leave = [edit](std::string refusal) -> Step {
        return [=](HWND page, SheetHarness& sheet) {
            const size_t said = TestApp().messageBoxes.size();
            sheet.ShowPage(kRam + 1);
            if (sheet.CurrentPage() != kRam) sheet.ShowPage(kRam);
            EXPECT_EQ(TestApp().messageBoxes.size() > said ? TestApp().messageBoxes.back().text : "", refusal);
            if (refusal.empty()) return;
            const HWND amount = ::GetDlgItem(page, edit);
            EXPECT_EQ(::GetFocus(), amount);
            EXPECT_EQ(::SendMessageA(amount, EM_GETSEL, 0, 0), MAKELONG(0, ::GetWindowTextLengthA(amount)));
        };
    };
    auto type = [edit](const char* text) -> Step {
        return [=](HWND page, SheetHarness&) { ::SetDlgItemTextA(page, edit, text); };
    };
    const Step up = [edit](HWND page, SheetHarness&) { ::SendDlgItemMessageA(page, edit, WM_KEYDOWN, VK_UP, 0); };
    const struct { ULONGLONG totalMiB; int availableMiB; Row row; } rows[] = {
        {64, 100, {{}, "100|Recommended:  32 MB|32", {leave("")}, false, {"Memory=32"}}},
        {63, 100, {{}, "100|Recommended:  32 MB|32", {}, false, {"Memory=32"}}},
        {95, 100, {{}, "100|Recommended:  48 MB|48", {}, false, {"Memory=48"}}},
        {24 << 10, 47061, {{}, "47061|Recommended:  2047 MB|2047", {}, false, {"Memory=2047"}}},
        {64, 20, {{}, "20|Recommended:  20 MB|20", {leave("")}, false, {"Memory=20"}}},  // a default it accepts
        {64, 100, {{"Memory=3000"}, "100|Recommended:  32 MB|3000", {leave(RangeMessage(2047))}, false, {"Memory=3000"}}},
        {64, 100, {{"Memory=150"}, "100|Recommended:  32 MB|150", {leave(RangeMessage(100))}, false, {"Memory=150"}}},
        {64, 100, {{}, "", {type("2048"), leave(RangeMessage(2047))}, true, {"Memory=(none)"}}},
        {64, 100, {{}, "", {type("101"), leave(RangeMessage(100))}, true, {"Memory=(none)"}}},
        {64, 100, {{}, "", {type("12x"), leave(integer)}, true, {"Memory=(none)"}}},
        {64, 100, {{}, "", {type("4294967328"), leave(integer)}, true, {"Memory=(none)"}}},
        // The up arrow works beyond 16 bits.
        {24 << 10, 40000, {{"Memory=32767"}, "", {up, Shows(edit, "32768"), leave(RangeMessage(2047))}, true, {"Memory=32767"}}},
    };
    for (const auto& r : rows) {
        ScriptedHost host = TheHost();
        // The available amount lies half in physical, half in page-file memory.
        host.memory = {r.totalMiB << 20, ULONGLONG(r.availableMiB / 2) << 20,
                       ULONGLONG(r.availableMiB - r.availableMiB / 2) << 20};
        Run(kRam, {IDC_RAM_AVAILABLE, IDC_RAM_RECOMMENDED, edit}, {r.row}, host);
    }
}

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

// Cancelling the choice of a ROM file keeps the stored one; a chosen one is
// stored, and its folder becomes the current one.
TEST_F(PageValues, AdvancedRomFile)
{
    TempFolder folder;
    ::CreateDirectoryA(folder.File("ROMS").c_str(), nullptr);
    const std::string rom = folder.CreateFileOfSize("ROMS\\Korvex.rom", 16), startFolder = CurrentDirectory();
    Run(kAdvanced, {IDC_ROM_PATH}, {
        {{"ROM_Name=C:\\old.rom"}, " C:\\old.rom", {Answer(std::nullopt), Click(IDC_ROM_BROWSE), Offers(false),
          Shows(IDC_ROM_PATH, " C:\\old.rom"), Answer(rom), Click(IDC_ROM_BROWSE), Shows(IDC_ROM_PATH, " " + rom)},
         true, {"ROM_Name=" + rom}},
    });
    EXPECT_EQ(CurrentDirectory(), folder.File("ROMS\\"));
    ::SetCurrentDirectoryA(startFolder.c_str());
}

// Video_Device0 to 5 index the display devices, -1 for none; an index that
// names no listed device shows no name and stays until the combo is used.
// Video_Flags0 to 5: the frame rate in bits 0-7, QuickDraw acceleration in bit
// 8 and the video RAM in MB from bit 16; Properties... keeps the other bits on
// Cancel and clears them on OK.
TEST_F(PageValues, Video)
{
    const int device = IDC_VIDEO_DEVICE, line = IDC_VIDEO_LINE1;
    const std::string none = " None / No driver selected", unnamed = "  / No driver selected";
    const std::string driver = "C:\\drivers\\fast.kvd";
    const std::string flags = std::to_string(0x2011E | 0x7F00FE00), reserved = "Video_Flags0=" + flags;
    Row unlisted = {{"Video_Device0=1", "Video_Device1=2", "Video_Device2=16", "Video_Device3=2147483647",
                     "Video_Device4=-7", "Video_Device5=-1", reserved},
                    " DISPLAY2 / No driver selected|" + unnamed + "|" + unnamed + "|" + unnamed + "|" + none + "|" + none,
                    {Lists(device, "None|DISPLAY1|DISPLAY2")}, true, {reserved, "Video_Device2=16", "Video_Flags5=131358"}};
    const char* selected[] = {"DISPLAY2", "", "", "", "", "None"};
    const char* described[] = {"Adapter 2", "", "", "", nullptr, nullptr};
    for (int unit = 0; unit < VideoUnitCount; ++unit)
        unlisted.steps.insert(unlisted.steps.end(),
                              {Radio(IDC_VIDEO_UNIT1 + unit), Shows(device, selected[unit]), Describes(described[unit])});
    unlisted.steps.insert(unlisted.steps.end(), {Offers(false), Radio(IDC_VIDEO_UNIT1 + 2), Close(device)});
    Run(kVideo, {line, line + 1, line + 2, line + 3, line + 4, line + 5}, {unlisted,
        {{"Video_Device1=0", reserved, "Video_Flags1=" + flags}, "", {
          Shows(line, " DISPLAY1 / No driver selected"), Radio(IDC_VIDEO_UNIT1 + 1), Answer(driver),
          Click(IDC_VIDEO_DRIVER), Offers(true),
          Properties([](HWND dialog) {
              Slide(dialog, 1), ::CheckDlgButton(dialog, IDC_PROPS_QD, BST_UNCHECKED);
              ::SetDlgItemTextA(dialog, IDC_PROPS_RAM, "4"), ClickButton(dialog, IDOK);
          }),
          Choose(device, 2), Shows(line + 1, " DISPLAY2 / " + driver), Radio(IDC_VIDEO_UNIT1),
          Properties([](HWND dialog) { ClickButton(dialog, IDOK); })}, true,
         {"Video_Flags0=131358", "Video_Flags1=262204", "Video_Device1=1", "Video_Driver1=" + driver}},
    });
}

// Without a listed device, the first unit takes the primary display.
TEST_F(PageValues, VideoOnAHostWithoutListedDevices)
{
    HostInventory.DisplayDeviceCount = 0;
    Run(kVideo, {IDC_VIDEO_LINE1, IDC_VIDEO_LINE1 + 5, IDC_VIDEO_DEVICE},
        {{{}, " Primary_Device / No driver selected| None / No driver selected|Primary_Device",
          {Lists(IDC_VIDEO_DEVICE, "None|Primary_Device")}, false,
          {"Video_Device0=0", "Video_Device1=-1", "Video_Device2=-1", "Video_Device3=-1", "Video_Device4=-1",
           "Video_Device5=-1"}}});
}

// The dialog's frame rate follows the track bar only once it moves; its RAM must be 2 to 8.
TEST_F(PageValues, VideoPropertiesDialog)
{
    const std::string range = "Please enter an integer between 2 and 8.", integer = "Please enter an integer.";
    const struct { int given, position; const char* label; std::vector<int> moves; const char* ram; std::string refusal; int returned; } rows[] = {
        {30, 2, "30", {}, "5", "", 30}, {25, 2, "25", {}, "0", range, 25}, {25, 2, "25", {3, 2}, "9", range, 30},
        {0, 6, "10", {}, "x", integer, 10}, {100, 1, "100", {7}, "8", "", 10},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.given);
        TestApp().ResetScript();
        CVideoPropsDlg dialog;
        dialog.m_nFrameRate = r.given;
        OnNextModalDialog([&](HWND hwnd) {
            EXPECT_EQ(::SendDlgItemMessageA(hwnd, IDC_PROPS_FPS_SLIDER, TBM_GETPOS, 0, 0), r.position);
            EXPECT_EQ(ControlText(hwnd, IDC_PROPS_FPS), r.label);
            for (int position : r.moves) Slide(hwnd, position);
            ::SetDlgItemTextA(hwnd, IDC_PROPS_RAM, r.ram);
            ClickButton(hwnd, IDOK);
            EXPECT_EQ(TestApp().messageBoxes.empty() ? "" : TestApp().messageBoxes[0].text, r.refusal);
            if (r.refusal.empty()) return;  // ended
            ::SetDlgItemTextA(hwnd, IDC_PROPS_RAM, "2");
            ClickButton(hwnd, IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_nFrameRate, r.returned);
        EXPECT_EQ(dialog.m_nVideoRAM, r.refusal.empty() ? std::stoi(r.ram) : 2);
    }
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
    // Values that name listed entries, shown as `shown` and written back as read.
    auto kept = [](std::vector<std::string> values, std::string shown) { return Row{values, shown, {}, false, values}; };
    Run(kMisc, {sound, network, cd}, {
        {{}, "", {Lists(sound, "None|Speakers|Headphones"), Lists(network, "None|F:|H:"), Lists(cd, "None|D:"),
          Close(sound)}, true, {}},
        {{}, "", {Close(network)}, true, {}},
        {{}, "", {Close(cd)}, true, {}},
        kept({"Audio_Device=0", "Ethernet=0", "CD_ROM=0"}, "Speakers|None|None"),
        kept({"Audio_Device=-1", "Ethernet=8", "CD_ROM=4"}, "None|H:|D:"),
        kept({"Audio_Device=1", "Ethernet=6", "CD_ROM=0"}, "Headphones|F:|None"),
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
