// The enumeration callbacks, fed directly as DirectSound and DirectDraw would.
#include <gtest/gtest.h>

#include <string>

#include "host/device_lists.h"
#include "host/host_inventory.h"

namespace {

GUID SomeDevice = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

TEST(DeviceLists, SoundListSkipsThePrimaryDeviceAndStopsAtSixteen)
{
    ResetHostInventory();
    EXPECT_TRUE(SoundDeviceCallback(nullptr, "Primary Sound Driver", "", nullptr));
    for (int i = 1; i <= 15; ++i)
        EXPECT_TRUE(SoundDeviceCallback(&SomeDevice, ("Card " + std::to_string(i)).c_str(), "", nullptr));
    EXPECT_FALSE(SoundDeviceCallback(&SomeDevice, "Card 16", "", nullptr));
    // An enumeration that does not stop must not push anything out of the list.
    EXPECT_FALSE(SoundDeviceCallback(&SomeDevice, "Card 17", "", nullptr));
    EXPECT_EQ(MaxSoundDevices, HostInventory.SoundDeviceCount);
    EXPECT_EQ("Card 1", HostInventory.SoundDeviceNames[0]);
    EXPECT_EQ("Card 16", HostInventory.SoundDeviceNames[15]);
}

TEST(DeviceLists, DisplayListSkipsThePrimaryDriverAndShortensNames)
{
    ResetHostInventory();
    char primary[] = "display", adapter[] = "Tessaran Vision 64", monitor[] = "\\\\.\\DISPLAY2";
    char four[] = "abcd", five[] = "abcde";
    EXPECT_TRUE(DisplayDeviceCallback(nullptr, primary, primary, nullptr));
    EXPECT_TRUE(DisplayDeviceCallback(&SomeDevice, adapter, monitor, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(nullptr, primary, primary, nullptr, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(&SomeDevice, adapter, four, nullptr, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(&SomeDevice, adapter, five, nullptr, nullptr));
    ASSERT_EQ(3, HostInventory.DisplayDeviceCount);
    EXPECT_EQ("DISPLAY2", HostInventory.DisplayDriverNames[0]);
    EXPECT_EQ("Tessaran Vision 64", HostInventory.DisplayDescriptions[0]);
    EXPECT_EQ("abcd", HostInventory.DisplayDriverNames[1]);
    EXPECT_EQ("e", HostInventory.DisplayDriverNames[2]);

    for (int i = 4; i <= 15; ++i) EXPECT_TRUE(DisplayDeviceCallbackEx(&SomeDevice, adapter, monitor, nullptr, nullptr));
    EXPECT_FALSE(DisplayDeviceCallback(&SomeDevice, adapter, monitor, nullptr));
    EXPECT_FALSE(DisplayDeviceCallbackEx(&SomeDevice, adapter, monitor, nullptr, nullptr));
    EXPECT_EQ(MaxDisplayDevices, HostInventory.DisplayDeviceCount);
}

}  // namespace
