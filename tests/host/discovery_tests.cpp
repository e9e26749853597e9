// Start-up discovery on whatever host runs the test (under Wine: its builtin
// DirectX and ASPI layer). Only what holds on every host is checked.
#include <gtest/gtest.h>

#include "host/aspi_scan.h"
#include "host/device_lists.h"
#include "host/directx_probe.h"
#include "host/host_inventory.h"

namespace {

BOOL CALLBACK CountVisibleOwnWindows(HWND window, LPARAM count)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    *reinterpret_cast<int*>(count) += process == ::GetCurrentProcessId() && ::IsWindowVisible(window);
    return TRUE;
}

void ExpectCountedList(const std::string* entries, int count, int size)
{
    ASSERT_GE(count, 0);
    ASSERT_LE(count, size);
    for (int i = count; i < size; ++i) EXPECT_EQ("", entries[i]) << "entry " << i;
}

TEST(HostDiscovery, StartupStepsLeaveAConsistentInventory)
{
    ScanAspiBus();
    DetectDirectXVersion();
    ListSoundDevices();
    ListDisplayDevices();
    const CHostInventory& host = HostInventory;

    for (int slot = 0; slot < ScsiSlotCount; ++slot) {
        EXPECT_LE(host.ScsiDeviceNames[slot].size(), 25u);
        EXPECT_TRUE(host.ScsiDeviceTypes[slot] > 0 || host.ScsiDeviceNames[slot].empty());
    }
    ExpectCountedList(host.SoundDeviceNames, host.SoundDeviceCount, MaxSoundDevices);
    ExpectCountedList(host.DisplayDriverNames, host.DisplayDeviceCount, MaxDisplayDevices);
    ExpectCountedList(host.DisplayDescriptions, host.DisplayDeviceCount, MaxDisplayDevices);
    int visibleWindows = 0;
    ::EnumWindows(CountVisibleOwnWindows, reinterpret_cast<LPARAM>(&visibleWindows));
    EXPECT_EQ(0, visibleWindows);

}

}  // namespace
