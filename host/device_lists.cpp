#include "host/device_lists.h"

#include <ddraw.h>
#include <dsound.h>
#include <cstring>

#include "framework/handles.h"
#include "host/host_inventory.h"

namespace {

const char* TextOrEmpty(const char* text) { return text ? text : ""; }

// Per-monitor drivers are named like \\.\DISPLAY2; the list keeps DISPLAY2.
// Names of 4 characters or fewer are kept whole.
const char* ShortDisplayDriverName(const char* driverName)
{
    const size_t prefixLength = 4;
    return std::strlen(driverName) > prefixLength ? driverName + prefixLength : driverName;
}

bool StoreDisplayDevice(GUID* guid, const char* description, const char* driverName)
{
    if (!guid) return true;
    // An enumeration that ignores "stop" must not write past the lists.
    int& count = HostInventory.DisplayDeviceCount;
    if (count >= MaxDisplayDevices) return false;
    HostInventory.DisplayDriverNames[count] = ShortDisplayDriverName(TextOrEmpty(driverName));
    HostInventory.DisplayDescriptions[count] = TextOrEmpty(description);
    ++count;
    return count < MaxDisplayDevices;
}

}  // namespace

BOOL CALLBACK SoundDeviceCallback(GUID* guid, const char* description, const char*, void*)
{
    if (!guid) return TRUE;
    int& count = HostInventory.SoundDeviceCount;
    if (count >= MaxSoundDevices) return FALSE;
    HostInventory.SoundDeviceNames[count] = TextOrEmpty(description);
    ++count;
    return count < MaxSoundDevices;
}

BOOL CALLBACK DisplayDeviceCallback(GUID* guid, char* description, char* driverName, void*)
{
    return StoreDisplayDevice(guid, description, driverName);
}

BOOL CALLBACK DisplayDeviceCallbackEx(GUID* guid, char* description, char* driverName, void*, HMONITOR)
{
    return StoreDisplayDevice(guid, description, driverName);
}

void ListSoundDevices()
{
    HostInventory.SoundDeviceCount = 0;
    // Loaded at run time like the rest of DirectX, so a host without it still starts.
    unique_hmodule dsound(::LoadLibraryA("dsound.dll"));
    if (!dsound) return;
    using Enumerate = HRESULT(WINAPI*)(LPDSENUMCALLBACKA callback, void* context);
    auto enumerate = reinterpret_cast<Enumerate>(::GetProcAddress(dsound.get(), "DirectSoundEnumerateA"));
    if (enumerate) enumerate(SoundDeviceCallback, nullptr);
}

void ListDisplayDevices()
{
    HostInventory.DisplayDeviceCount = 0;
    unique_hmodule ddraw(::LoadLibraryA("ddraw.dll"));
    if (!ddraw) return;
    if (auto enumerateEx = reinterpret_cast<LPDIRECTDRAWENUMERATEEXA>(
            ::GetProcAddress(ddraw.get(), "DirectDrawEnumerateExA"))) {
        enumerateEx(DisplayDeviceCallbackEx, nullptr,
                    DDENUM_ATTACHEDSECONDARYDEVICES | DDENUM_DETACHEDSECONDARYDEVICES);
        return;
    }
    using Enumerate = HRESULT(WINAPI*)(LPDDENUMCALLBACKA callback, void* context);
    if (auto enumerate = reinterpret_cast<Enumerate>(::GetProcAddress(ddraw.get(), "DirectDrawEnumerateA")))
        enumerate(DisplayDeviceCallback, nullptr);
}
