// The scan against the scripted layer in aspi_double/, which this program loads
// as "wnaspi32" (WINEDLLOVERRIDES=wnaspi32=n makes Wine prefer it to its own).
#include <gtest/gtest.h>

#include <cstring>

#include "host/aspi_blocks.h"
#include "host/aspi_scan.h"
#include "host/host_inventory.h"
#include "tests/host/aspi_double/aspi_double.h"

namespace {

AspiDoubleDevice Device(BYTE adapter, BYTE target, BYTE type, const char* vendor, const char* product)
{
    AspiDoubleDevice device = {adapter, target, type, SS_COMP};
    std::memcpy(device.inquiry + 8, vendor, 8);
    std::memcpy(device.inquiry + 16, product, 16);
    return device;
}

class AspiScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetHostInventory();
        m_layer = ::LoadLibraryA("wnaspi32");  // never freed, like the scan's own reference
        m_setScript = reinterpret_cast<AspiDoubleSetScriptFn>(::GetProcAddress(m_layer, "AspiDoubleSetScript"));
        m_getLog = reinterpret_cast<AspiDoubleGetLogFn>(::GetProcAddress(m_layer, "AspiDoubleGetLog"));
        ASSERT_TRUE(m_setScript && m_getLog) << "wnaspi32 is not the test double; is WINEDLLOVERRIDES set?";
        m_script = {0x0101, SS_COMP, 1};
    }
    void Add(const AspiDoubleDevice& device) { m_script.devices[m_script.deviceCount++] = device; }
    const AspiDoubleLog& Scan()
    {
        m_setScript(&m_script);
        ScanAspiBus();
        return *m_getLog();
    }
    static int UsedSlots()
    {
        int used = 0;
        for (int slot = 0; slot < ScsiSlotCount; ++slot)
            used += HostInventory.ScsiDeviceTypes[slot] != 0 || !HostInventory.ScsiDeviceNames[slot].empty();
        return used;
    }

    HMODULE m_layer = nullptr;
    AspiDoubleSetScriptFn m_setScript = nullptr;
    AspiDoubleGetLogFn m_getLog = nullptr;
    AspiDoubleScript m_script = {};
};

TEST_F(AspiScan, UnusableLayersLeaveEverySlotEmpty)
{
    Add(Device(0, 0, 5, "VENDOR  ", "PRODUCT         "));
    HostInventory.AspiSupportInfo = 0x0101;
    ScanAspiLayer(nullptr);
    EXPECT_EQ(0u, HostInventory.AspiSupportInfo);
    ScanAspiLayer(::GetModuleHandleA("kernel32.dll"));  // no entry points
    EXPECT_EQ(0u, HostInventory.AspiSupportInfo);

    m_script.supportInfo = 0xE801;
    EXPECT_EQ(0, Scan().adapterInquiries);
    EXPECT_EQ(0xE801u, HostInventory.AspiSupportInfo);
    m_script.supportInfo = 0x0100;  // usable status, no adapters
    EXPECT_EQ(0, Scan().adapterInquiries);
    EXPECT_EQ(0x0100u, HostInventory.AspiSupportInfo);
    m_script = {0x0101, SS_ERR, 2};
    EXPECT_EQ(0, Scan().typeQueries);
    EXPECT_EQ(0, UsedSlots());
}

TEST_F(AspiScan, AtMostEightAdaptersAreScanned)
{
    m_script.adapterCount = 12;
    const AspiDoubleLog& log = Scan();
    EXPECT_EQ(ScsiSlotCount, log.typeQueries);  // 8 adapters x 8 targets
    EXPECT_EQ(0, log.malformedRequests);
}

TEST_F(AspiScan, DevicesGetTheirSlotTypeAndNameAsReported)
{
    m_script.adapterCount = 2;
    Add(Device(1, 3, 5, "TESSARAN", "CD-ROM DRIVE    "));
    Add(Device(0, 6, 0x1F, "AB\0DEFGH", "PRODUCT         "));
    AspiDoubleDevice shortAnswer = Device(0, 1, 0, "SEAGLASS", "ST-1096N DISK   ");
    shortAnswer.inquiryLength = 20;
    Add(shortAnswer);
    AspiDoubleDevice failing = Device(0, 2, 1, "VENDOR  ", "TAPE            ");
    failing.inquiryStatus = SS_ERR;
    Add(failing);
    const AspiDoubleLog& log = Scan();

    EXPECT_EQ(6, HostInventory.ScsiDeviceTypes[11]);
    EXPECT_EQ("TESSARAN CD-ROM DRIVE    ", HostInventory.ScsiDeviceNames[11]);  // blanks kept
    EXPECT_EQ(32, HostInventory.ScsiDeviceTypes[6]);
    EXPECT_EQ("AB", HostInventory.ScsiDeviceNames[6]);
    EXPECT_EQ("SEAGLASS ST-1", HostInventory.ScsiDeviceNames[1]);  // only 20 bytes came back
    EXPECT_EQ(2, HostInventory.ScsiDeviceTypes[2]);
    EXPECT_EQ("", HostInventory.ScsiDeviceNames[2]);
    EXPECT_EQ(4, UsedSlots());
    EXPECT_EQ(16, log.typeQueries);
    EXPECT_EQ(0, log.malformedRequests);
}

TEST_F(AspiScan, PendingInquiryIsWaitedForWithinTheBound)
{
    AspiDoubleDevice slow = Device(0, 4, 0, "SLOWDISK", "SPINNING UP     ");
    slow.completeAfterMs = 300;
    Add(slow);
    Scan();
    EXPECT_EQ("SLOWDISK SPINNING UP     ", HostInventory.ScsiDeviceNames[4]);

    ResetHostInventory();
    m_script.devices[0].completeAfterMs = INFINITE;
    Add(Device(0, 5, 0, "LATER   ", "NOT REACHED     "));
    m_setScript(&m_script);
    const DWORD start = ::GetTickCount();
    ScanAspiLayer(m_layer, 200);
    EXPECT_LT(::GetTickCount() - start, 2000u);
    EXPECT_EQ(1, HostInventory.ScsiDeviceTypes[4]);
    EXPECT_EQ("", HostInventory.ScsiDeviceNames[4]);
    EXPECT_EQ(0, HostInventory.ScsiDeviceTypes[5]);  // the scan gave up on the layer
}

}  // namespace
