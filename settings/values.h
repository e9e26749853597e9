#pragma once
// Every value of the settings section: the contract with the emulator, which
// reads these names, kinds and defaults when it boots. Pages name their values
// only through these rows, so a name or default is written down once; the
// README's table and the tests read the same rows.
#include <string>

enum class SettingKind { Integer, String };

// Where the default of an absent value comes from.
enum class DefaultRule {
    Fixed,           // `defaultInt` (integers) or the empty string (strings)
    UnitZeroIsZero,  // unit 0 defaults to 0, every other unit to `defaultInt`
    FromHostMemory,  // the RAM page's recommended amount, measured on the host
};

// One value, or a family of like values whose names differ only in their last
// character, the unit's digit ("Volume0" ... "Volume9").
struct SettingValue {
    const char* name;  // a family's name is that of its unit 0
    int units;         // 1 for a single value
    SettingKind kind;
    int defaultInt;
    DefaultRule rule;
    const char* page;  // tab title of the page that reads and writes it

    std::string Name(int unit = 0) const;
    // The default an integer reader passes (FromHostMemory has none of its own).
    int DefaultInt(int unit = 0) const;
};

namespace setting {
// clang-format off
inline constexpr SettingValue Volume      {"Volume0",       10, SettingKind::String,   0,       DefaultRule::Fixed,          "Storage"};
inline constexpr SettingValue Memory      {"Memory",         1, SettingKind::Integer,  0,       DefaultRule::FromHostMemory, "RAM"};
inline constexpr SettingValue VideoDevice {"Video_Device0",  6, SettingKind::Integer, -1,       DefaultRule::UnitZeroIsZero, "Video"};
inline constexpr SettingValue VideoDriver {"Video_Driver0",  6, SettingKind::String,   0,       DefaultRule::Fixed,          "Video"};
inline constexpr SettingValue VideoFlags  {"Video_Flags0",   6, SettingKind::Integer,  0x2011E, DefaultRule::Fixed,          "Video"};
inline constexpr SettingValue KeyFlags    {"Key_Flags",      1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Input"};
inline constexpr SettingValue MouseFlags  {"Mouse_Flags",    1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Input"};
inline constexpr SettingValue PortA       {"Port_A",         1, SettingKind::String,   0,       DefaultRule::Fixed,          "Ports"};
inline constexpr SettingValue PortB       {"Port_B",         1, SettingKind::String,   0,       DefaultRule::Fixed,          "Ports"};
inline constexpr SettingValue AudioDevice {"Audio_Device",   1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Misc"};
inline constexpr SettingValue Ethernet    {"Ethernet",       1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Misc"};
inline constexpr SettingValue CdRom       {"CD_ROM",         1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Misc"};
inline constexpr SettingValue Scsi        {"SCSI0",          7, SettingKind::Integer, -1,       DefaultRule::Fixed,          "SCSI"};
inline constexpr SettingValue Floppy      {"Floppy0",        2, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Floppy"};
inline constexpr SettingValue RomName     {"ROM_Name",       1, SettingKind::String,   0,       DefaultRule::Fixed,          "Advanced"};
inline constexpr SettingValue Machine     {"Machine",        1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Advanced"};
inline constexpr SettingValue StartupSound{"Startup_Sound",  1, SettingKind::Integer,  0,       DefaultRule::Fixed,          "Advanced"};
// clang-format on

// All of them, in the order of the sheet's pages: 48 values in 17 rows.
inline constexpr const SettingValue* kAll[] = {
    &Volume, &Memory, &VideoDevice, &VideoDriver, &VideoFlags, &KeyFlags, &MouseFlags, &PortA, &PortB,
    &AudioDevice, &Ethernet, &CdRom, &Scsi, &Floppy, &RomName, &Machine, &StartupSound,
};
}  // namespace setting

// The section's operations on a row of the table: the name of the unit and the
// row's default are taken from the row.
int ReadSettingInt(const SettingValue& value, int unit = 0);
int ReadSettingInt(const SettingValue& value, int unit, int defaultValue);  // FromHostMemory
std::string ReadSettingString(const SettingValue& value, int unit = 0);
void WriteSettingInt(const SettingValue& value, int unit, int data);
void WriteSettingString(const SettingValue& value, int unit, const std::string& data);
