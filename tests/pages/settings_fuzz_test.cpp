// The whole sheet over a settings section filled at random: for each seed every
// value of the table, and a few strays, gets a random kind, size and content,
// on a host with random devices. The sheet shows every page, applies, shows
// every page again and applies again. CI runs kCiSeeds; by hand, any seeds:
//   KORVEX_FUZZ_SEEDS=1-3000 wine pages_tests.exe --gtest_filter='Fuzz/*' --gtest_brief=1
#include "host/host_inventory.h"
#include "pages/ram.h"
#include "res/dlg_ram.h"
#include "settings/values.h"
#include "framework/handles.h"
#include "tests/pages/full_sheet.h"
#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <sddl.h>

namespace {
// Between them: both range messages of the RAM page (3, 6), existing hard files
// (4, 5, 7), device names among the volumes (1, 3: "NUL", 4: "COM1:"), and the
// Floppy word's high bits and Key_Flags and Mouse_Flags fields past 7 (53, 70).
const unsigned kCiSeeds[] = {1, 3, 4, 5, 6, 7, 53, 70};

using Rng = std::mt19937;
unsigned Pick(Rng& rng, size_t n) { return static_cast<unsigned>(rng() % n); }

// The host the pages see, and what the seed made of it.
struct FuzzHost : ScriptedHost {
    int availableMB = 0;
    int recommendedMB = 0;  // half the physical memory, rounded up
    std::vector<std::string> files;  // hard files that exist
};

int Number(Rng& rng)
{
    switch (Pick(rng, 6)) {
    case 0: return static_cast<int>(Pick(rng, 40)) - 2;  // in and around the lists
    case 1: return static_cast<int>(rng());              // every packed field at random
    case 2: return Pick(rng, 2) ? INT_MIN : INT_MAX;
    case 3: return -static_cast<int>(Pick(rng, 1000)) - 1;
    case 4: return static_cast<int>(Pick(rng, 3000));  // around the RAM page's ranges
    default: return static_cast<int>(rng() & 0x1FF) | static_cast<int>(1u << Pick(rng, 32));  // fields + one high bit
    }
}

// Any bytes but zero.
std::string Bytes(Rng& rng, size_t most)
{
    std::string text(Pick(rng, most + 1), ' ');
    for (char& c : text) c = static_cast<char>(1 + Pick(rng, 255));
    return text;
}

std::string Text(Rng& rng, const FuzzHost& host)
{
    switch (Pick(rng, 7)) {
    case 0: return "";
    case 1: {
        std::string path = host.files[Pick(rng, host.files.size())];
        if (Pick(rng, 2)) ::CharLowerBuffA(&path[0], static_cast<DWORD>(path.size()));
        return path;
    }
    case 2: {  // ports, and device names that open like files
        const char* devices[] = {"COM1:", "com2", "LPT1:", "lpt3", "COM9", "NUL", "CON"};
        return devices[Pick(rng, std::size(devices))];
    }
    case 3: return std::string(5000, static_cast<char>('A' + Pick(rng, 26)));
    case 4: return std::string("C:\\ab") + '\0' + "cd";
    default: return Bytes(rng, 40);
    }
}

// A value of any kind and size; none at all for a fifth of the values.
std::optional<RawValue> RandomValue(Rng& rng, SettingKind kind, const FuzzHost& host)
{
    auto bytes = [](const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); };
    auto word = [](int n) { return std::string(reinterpret_cast<const char*>(&n), sizeof n); };
    const std::string text =
        kind == SettingKind::Integer && Pick(rng, 2) ? std::to_string(Number(rng)) : Text(rng, host);
    switch (Pick(rng, 10)) {
    case 0: case 1: return std::nullopt;
    case 2: case 3: case 4:
        if (kind == SettingKind::Integer) return RawValue{REG_DWORD, bytes(word(Number(rng)))};
        return RawValue{REG_SZ, bytes(text + '\0')};
    case 5: return RawValue{REG_SZ, bytes(Pick(rng, 2) ? text : text + '\0')};  // with or without its terminator
    case 6: {  // 0, 2, 4, 6 or 8 bytes
        const std::string high = Pick(rng, 2) ? word(Number(rng)) : "";
        return RawValue{REG_DWORD, bytes(word(Number(rng)).substr(0, Pick(rng, 3) * 2) + high)};
    }
    case 7: return RawValue{REG_QWORD, bytes(word(Number(rng)) + word(Number(rng)))};
    case 8: return RawValue{REG_BINARY, bytes(Pick(rng, 2) ? text : word(Number(rng)))};
    default:
        return RawValue{Pick(rng, 2) ? DWORD(REG_MULTI_SZ) : DWORD(REG_EXPAND_SZ), bytes(text + '\0' + text + '\0' + '\0')};
    }
}

// Names the pages read back from their lists stay as short as real ones.
void MakeHost(Rng& rng, FuzzHost& host, const TempFolder& folder)
{
    for (const char* name : {"a.hfi", "b.hfi", "c.hfi"}) host.files.push_back(folder.CreateFileOfSize(name, 16));
    ResetHostInventory();
    HostInventory.SoundDeviceCount = static_cast<int>(Pick(rng, MaxSoundDevices + 1));
    for (int i = 0; i < HostInventory.SoundDeviceCount; ++i) HostInventory.SoundDeviceNames[i] = Text(rng, host);
    HostInventory.DisplayDeviceCount = static_cast<int>(Pick(rng, MaxDisplayDevices + 1));
    for (int i = 0; i < HostInventory.DisplayDeviceCount; ++i) {
        HostInventory.DisplayDriverNames[i] = Bytes(rng, 32);
        HostInventory.DisplayDescriptions[i] = Text(rng, host);
    }
    for (int slot = 0; slot < ScsiSlotCount; ++slot) {
        if (Pick(rng, 6)) continue;
        HostInventory.ScsiDeviceTypes[slot] = static_cast<int>(Pick(rng, 40)) - 4;
        HostInventory.ScsiDeviceNames[slot] = Bytes(rng, 25);  // vendor and product, as INQUIRY gives them
    }
    const unsigned scale = Pick(rng, 2) ? 1500 : 30000;  // half the hosts have less to spare than the page's limit
    const ULONGLONG totalMB = Pick(rng, 65536), physicalMB = Pick(rng, scale), pagingMB = Pick(rng, scale);
    host.memory = {totalMB << 20, physicalMB << 20, pagingMB << 20};
    host.availableMB = static_cast<int>(physicalMB + pagingMB);
    host.recommendedMB = static_cast<int>((totalMB + 1) / 2);
    host.drives = static_cast<DWORD>(rng());
    for (UINT& type : host.driveTypes) type = Pick(rng, 7);
    host.openPorts = Pick(rng, 256);
}

std::optional<int> ReadInt(const SettingsSnapshot& values, const std::string& name)
{
    return DwordOf(Find(values, name));
}

// Names whose values differ between two snapshots, or are in one only.
std::set<std::string> Differences(const SettingsSnapshot& one, const SettingsSnapshot& other,
                                  const SettingsSnapshot& skip = {})
{
    std::set<std::string> names;
    for (const SettingsSnapshot* side : {&one, &other})
        for (const auto& [name, raw] : *side)
            if (!skip.count(name) && !(Find(one, name) == Find(other, name))) names.insert(name);
    return names;
}

// Sets who may do what with the settings key, in the security descriptor language.
void SetSettingsKeyAccess(const char* descriptor)
{
    unique_hkey key;
    PSECURITY_DESCRIPTOR security = nullptr;
    ::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, WRITE_DAC, key.put());
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptor, SDDL_REVISION_1, &security, nullptr)) return;
    ::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security);
    ::LocalFree(security);
}

struct SettingsFuzz : FreshSettingsTest, ::testing::WithParamInterface<unsigned> {
    void TearDown() override { ResetHostInventory(), FreshSettingsTest::TearDown(); }
};
}  // namespace

TEST_P(SettingsFuzz, TheSheetSurvivesKeepsWhatItShouldAndAppliesTheSameTwice)
{
    Rng rng(GetParam());
    TestApp().ResetScript();
    TempFolder folder;
    FuzzHost host;
    MakeHost(rng, host, folder);

    for (const SettingValue* value : setting::kAll) {
        for (int unit = 0; unit < 10; ++unit) {  // units beyond the family's are strays
            if (unit >= value->units && (value->units == 1 || Pick(rng, 3))) continue;
            if (std::optional<RawValue> raw = RandomValue(rng, value->kind, host))
                WriteRawSetting(value->Name(unit), raw->type, raw->data.data(), static_cast<DWORD>(raw->data.size()));
        }
    }
    for (const char* stray : {"", "Stray", "Volume"})
        if (std::optional<RawValue> raw = RandomValue(rng, SettingKind::String, host); raw && Pick(rng, 2))
            WriteRawSetting(stray, raw->type, raw->data.data(), static_cast<DWORD>(raw->data.size()));
    if (Pick(rng, 2))  // one below, at or above the page's upper limit
        WriteDwordSetting(setting::Memory.name, std::min(MaxMemoryMB, host.availableMB) + Pick(rng, 3) - 1);
    const SettingsSnapshot before = ReadAllSettings();

    // The RAM page refuses to be left once with an amount out of range; the
    // default, half the host's memory, is always in range.
    const int highest = std::min(MaxMemoryMB, host.availableMB);
    const int memory = ReadInt(before, setting::Memory.name).value_or(std::min(host.recommendedMB, highest));
    const bool refused = memory < 0 || memory > highest;
    const int corrected = static_cast<int>(Pick(rng, highest + 1));
    // What the pages keep as read while nobody uses their controls (how the
    // others rewrite what they read, the page table checks).
    const std::set<const SettingValue*> kept = {&setting::VideoDevice, &setting::VideoDriver, &setting::VideoFlags,
        &setting::PortA, &setting::PortB, &setting::Scsi, &setting::Floppy, &setting::RomName};

    FullSheet full(host);
    SheetHarness& sheet = *full.sheet;
    auto showAll = [&] {
        for (int i = 0; i < kPageCount; ++i) {
            sheet.ShowPage(i);
            if (i - 1 == kRam && sheet.CurrentPage() == kRam) {
                ::SetDlgItemTextA(full.Page(kRam), IDC_RAM_SELECTED, std::to_string(corrected).c_str());
                sheet.ShowPage(i);
            }
            ASSERT_EQ(sheet.CurrentPage(), i);
            // Every radio button, the first last: switching what a page shows must change nothing it writes.
            const std::vector<HWND> controls = ChildWindows(full.Page(i));
            for (auto control = controls.rbegin(); control != controls.rend(); ++control)
                if (::SendMessageA(*control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                    ClickRadio(full.Page(i), ::GetDlgCtrlID(*control));
        }
    };
    showAll();
    sheet.PressApply();
    std::vector<std::string> messages;
    for (const MessageBoxRecord& box : TestApp().messageBoxes) messages.push_back(box.text);
    const int limit = memory < 0 || memory > MaxMemoryMB ? MaxMemoryMB : highest;  // the first range it breaks
    EXPECT_EQ(messages, refused ? std::vector<std::string>{RangeMessage(limit)} : std::vector<std::string>{});
    const SettingsSnapshot first = ReadAllSettings();

    // Every stored hard file comes back, there or not, in stored order; the
    // empty volumes go to the end.
    std::vector<std::string> volumes;
    for (int unit = 0; unit < setting::Volume.units; ++unit) {
        std::string path = TextOf(Find(before, setting::Volume.Name(unit))).value_or("");
        if (!path.empty()) volumes.push_back(path);
    }
    volumes.resize(setting::Volume.units);

    SettingsSnapshot owned;
    for (const SettingValue* value : setting::kAll) {
        for (int unit = 0; unit < value->units; ++unit) {
            const std::string name = value->Name(unit);
            SCOPED_TRACE(name);
            ASSERT_TRUE(first.count(name));
            owned[name] = first.at(name);
            const bool keeps = kept.count(value) != 0;
            if (value->kind == SettingKind::String) {
                ASSERT_EQ(first.at(name).type, DWORD(REG_SZ));
                const std::string expected = value == &setting::Volume ? volumes[unit] : TextOf(Find(before, name)).value_or("");
                if (keeps || value == &setting::Volume) { EXPECT_EQ(TextOf(Find(first, name)), expected); }
                continue;
            }
            ASSERT_TRUE(ReadInt(first, name)) << "not a four-byte DWORD";
            if (value == &setting::Memory) { EXPECT_EQ(ReadInt(first, name), refused ? corrected : memory); }
            if (keeps) { EXPECT_EQ(ReadInt(first, name), ReadInt(before, name).value_or(value->DefaultInt(unit))); }
        }
    }
    // Strays stay as they were.
    EXPECT_EQ(Differences(first, before, owned), std::set<std::string>{});

    // The second Apply, into an empty section, writes the same values again.
    DeleteCompanyKey();
    showAll();
    sheet.PressApply();
    EXPECT_EQ(Differences(ReadAllSettings(), owned), std::set<std::string>{});
    EXPECT_EQ(TestApp().messageBoxes.size(), messages.size());
}

TEST(SettingsKey, ApplyOnAKeyThatCannotBeWrittenLosesNothing)
{
    DeleteCompanyKey();
    WriteStringSetting(setting::Volume.Name(1), "C:\\gone.hfi");  // the Storage page would move it to Volume0
    SetSettingsKeyAccess("D:P(A;;KRSDWD;;;WD)");                 // read, delete and these permissions only
    ScriptedHost host;
    host.memory = {1ull << 30, 1ull << 30, 0};
    FullSheet full(host);
    for (int i = 0; i < kPageCount; ++i) full.sheet->ShowPage(i);
    full.sheet->PressOK();
    EXPECT_TRUE(full.sheet->IsClosed());
    SetSettingsKeyAccess("D:P(A;;KA;;;WD)");
    EXPECT_EQ(CountSettings(), 1);
    EXPECT_EQ(TextOf(ReadRawSetting(setting::Volume.Name(1))), "C:\\gone.hfi");
    DeleteCompanyKey();
}

namespace {
// KORVEX_FUZZ_SEEDS: one seed, or a range "FIRST-LAST".
std::vector<unsigned> FuzzSeeds()
{
    unsigned first = 0, last = 0;
    const char* given = std::getenv("KORVEX_FUZZ_SEEDS");
    if (!given || std::sscanf(given, "%u-%u", &first, &last) < 1)
        return {std::begin(kCiSeeds), std::end(kCiSeeds)};
    std::vector<unsigned> seeds;
    for (unsigned seed = first; seed <= std::max(first, last) && seed >= first; ++seed) seeds.push_back(seed);
    return seeds;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(Fuzz, SettingsFuzz, ::testing::ValuesIn(FuzzSeeds()),
                         [](const testing::TestParamInfo<unsigned>& seed) { return "seed" + std::to_string(seed.param); });
