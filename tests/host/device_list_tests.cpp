// The enumeration callbacks, fed directly as DirectSound and DirectDraw would.
#include <gtest/gtest.h>

#include <string>

#include "host/device_lists.h"
#include "host/host_inventory.h"

TEST(DeviceLists, PrimaryDevicesAreLeftOutDriverNamesShortenedAndBothListsStopAtSixteen)
{
    GUID device = {1};
    char adapter[] = "Tessaran Vision 64", monitor[] = "\\\\.\\DISPLAY2", four[] = "abcd", five[] = "abcde";
    const CHostInventory& found = HostInventory;
    ResetHostInventory();
    EXPECT_TRUE(SoundDeviceCallback(nullptr, "Primary Sound Driver", "", nullptr));
    EXPECT_TRUE(DisplayDeviceCallback(nullptr, adapter, monitor, nullptr));
    for (char* name : {monitor, four, five}) EXPECT_TRUE(DisplayDeviceCallbackEx(&device, adapter, name, nullptr, {}));
    EXPECT_EQ(found.DisplayDriverNames[0] + "|" + found.DisplayDescriptions[0] + "|" + found.DisplayDriverNames[1] +
              "|" + found.DisplayDriverNames[2], "DISPLAY2|Tessaran Vision 64|abcd|e");
    for (int i = 1; i <= 17; ++i) {  // an enumeration that does not stop must push nothing out
        EXPECT_EQ(SoundDeviceCallback(&device, ("Card " + std::to_string(i)).c_str(), "", nullptr), i < 16) << i;
        EXPECT_EQ(DisplayDeviceCallback(&device, adapter, monitor, nullptr), 3 + i < 16) << i;
    }
    EXPECT_EQ(found.SoundDeviceCount + found.DisplayDeviceCount, 2 * 16);
    EXPECT_EQ(found.SoundDeviceNames[0] + "|" + found.SoundDeviceNames[15], "Card 1|Card 16");
}
