#pragma once
// What start-up learns about the host: written once by the discovery routines
// below, before any page exists, and only read afterwards.
#include <windows.h>
#include <string>

constexpr int MaxSoundDevices = 16;
constexpr int MaxDisplayDevices = 16;
constexpr int ScsiAdapterLimit = 8;
constexpr int ScsiTargetsPerAdapter = 8;
constexpr int ScsiSlotCount = ScsiAdapterLimit * ScsiTargetsPerAdapter;

// Slot of the SCSI device table for an adapter (0-7) and target (0-7).
constexpr int ScsiDeviceIndex(int adapter, int target)
{
    return adapter * ScsiTargetsPerAdapter + target;
}

struct CHostInventory {
    // Major release in bits 8-11, minor in the low byte (0x601 = 6.1); 0 = none usable.
    DWORD DirectXVersion = 0;

    // DirectSound devices that have an identifier, in enumeration order.
    std::string SoundDeviceNames[MaxSoundDevices];
    int SoundDeviceCount = 0;

    // DirectDraw devices that have an identifier: driver name ("DISPLAY2") and description.
    std::string DisplayDriverNames[MaxDisplayDevices];
    std::string DisplayDescriptions[MaxDisplayDevices];
    int DisplayDeviceCount = 0;

    // Indexed by ScsiDeviceIndex. Type: 0 = no device, else SCSI peripheral type + 1.
    // Name: vendor, one space, product as the device reported them; empty when the
    // INQUIRY did not complete.
    int ScsiDeviceTypes[ScsiSlotCount] = {};
    std::string ScsiDeviceNames[ScsiSlotCount];
    // As the ASPI layer reported it: status in bits 8-15 (1 = usable), adapter count
    // in bits 0-7; 0 when there is no layer.
    DWORD AspiSupportInfo = 0;
};

// The one inventory of the process, empty at program load.
extern CHostInventory HostInventory;

// Back to the load-time state; for tests, which run discovery more than once.
void ResetHostInventory();
