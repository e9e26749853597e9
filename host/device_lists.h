#pragma once
// The DirectSound and DirectDraw devices that have an identifier; the primary
// (default) device of each kind is reported without one and is left out.
#include <windows.h>

// Enumeration callbacks, each storing into HostInventory and asking the
// enumeration to stop once 16 devices are listed. Context and module name
// (sound) and monitor (display) are not used.
BOOL CALLBACK SoundDeviceCallback(GUID* guid, const char* description, const char* module, void* context);
BOOL CALLBACK DisplayDeviceCallback(GUID* guid, char* description, char* driverName, void* context);
BOOL CALLBACK DisplayDeviceCallbackEx(GUID* guid, char* description, char* driverName, void* context,
                                      HMONITOR monitor);

// Start-up step: SoundDeviceCount = 0, then DirectSound enumeration.
void ListSoundDevices();
// Start-up step: DisplayDeviceCount = 0, then DirectDraw enumeration, extended to
// every monitor (attached or not) where "ddraw.dll" offers it.
void ListDisplayDevices();
