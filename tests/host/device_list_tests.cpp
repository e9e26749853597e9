// The enumeration callbacks, fed directly as DirectSound and DirectDraw would.
#include <gtest/gtest.h>

#include <string>

#include "host/device_lists.h"
#include "host/host_inventory.h"

TEST(DeviceLists, PrimaryDevicesAreLeftOutDriverNamesShortenedAndBothListsStopAtSixteen)
{
    GUID device = {1};
    char primary[] = "display", adapter[] = "Tessaran Vision 64", monitor[] = "\\\\.\\DISPLAY2", four[] = "abcd", five[] = "abcde";
    ResetHostInventory();
    EXPECT_TRUE(SoundDeviceCallback(nullptr, "Primary Sound Driver", "", nullptr));
    EXPECT_TRUE(DisplayDeviceCallback(nullptr, primary, primary, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(nullptr, primary, primary, nullptr, nullptr));
    EXPECT_TRUE(DisplayDeviceCallback(&device, adapter, monitor, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(&device, adapter, four, nullptr, nullptr));
    EXPECT_TRUE(DisplayDeviceCallbackEx(&device, adapter, five, nullptr, nullptr));
    EXPECT_EQ(HostInventory.DisplayDriverNames[0] + "|" + HostInventory.DisplayDescriptions[0] + "|" +
              HostInventory.DisplayDriverNames[1] + "|" + HostInventory.DisplayDriverNames[2], "DISPLAY2|Tessaran Vision 64|abcd|e");
    for (int i = 1; i <= 17; ++i) {  // an enumeration that does not stop must push nothing out
        EXPECT_EQ(SoundDeviceCallback(&device, ("Card " + std::to_string(i)).c_str(), "", nullptr), i < 16) << i;
        EXPECT_EQ(i > 3 ? DisplayDeviceCallback(&device, adapter, monitor, nullptr) : i < 16, i < 16) << i;
    }
    EXPECT_FALSE(DisplayDeviceCallbackEx(&device, adapter, monitor, nullptr, nullptr));
    EXPECT_EQ(HostInventory.SoundDeviceCount + HostInventory.DisplayDeviceCount, 2 * 16);
    EXPECT_EQ(HostInventory.SoundDeviceNames[0] + "|" + HostInventory.SoundDeviceNames[15], "Card 1|Card 16");
}
