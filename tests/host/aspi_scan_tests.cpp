// The scan against a scripted ASPI layer: this program exports the layer's two
// entry points itself, and the scan is pointed at its own module.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "host/aspi_blocks.h"
#include "host/aspi_scan.h"
#include "host/host_inventory.h"

namespace {

// `answer` is vendor and product (INQUIRY bytes 8-31); `length` the bytes the
// device returns (0: all 32); `lateMs` when it completes (0: at once, INFINITE: never).
struct Device { int slot; BYTE type, status; const char* answer; BYTE length = 0; DWORD lateMs = 0; };
struct Layer { DWORD supportInfo; BYTE adapterStatus, adapters; std::vector<Device> devices; int typeQueries, malformed; } g_layer;

const Device* Find(int adapter, int target)
{
    for (const Device& device : g_layer.devices) if (device.slot == adapter * 8 + target) return &device;
    return nullptr;
}

BYTE Complete(SRB_ExecSCSICmd* block, const Device& device)
{
    std::memcpy(block->Buffer + 8, device.answer, device.length ? device.length - 8 : 24);
    MemoryBarrier();  // data before status, as the scan reads them
    return *static_cast<volatile BYTE*>(&block->Header.Status) = device.status;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD __cdecl GetASPI32SupportInfo() { return g_layer.supportInfo; }

// Answers from the script; every field the scan fills must be as the interface wants it.
extern "C" __declspec(dllexport) DWORD __cdecl SendASPI32Command(void* request)
{
    SRB_Header& header = *static_cast<SRB_Header*>(request);
    g_layer.malformed += header.Reserved != 0 || header.Status != SS_PENDING;
    if (header.Command == SC_HA_INQUIRY) {
        g_layer.malformed += header.HostAdapter != 0 || header.Flags != 0;
        static_cast<SRB_HAInquiry*>(request)->HA_Count = g_layer.adapters;
        return header.Status = g_layer.adapterStatus;
    }
    if (header.Command == SC_GET_DEV_TYPE) {
        auto& query = *static_cast<SRB_GDEVBlock*>(request);
        ++g_layer.typeQueries;
        g_layer.malformed += header.Flags != 0 || query.Lun != 0;
        const Device* device = Find(header.HostAdapter, query.Target);
        if (device) query.SRB_DeviceType = device->type;
        return header.Status = device ? SS_COMP : SS_NO_DEVICE;
    }
    auto* block = static_cast<SRB_ExecSCSICmd*>(request);
    static const BYTE inquiryCdb[16] = {0x12, 0, 0, 0, 32};
    g_layer.malformed += header.Command != SC_EXEC_SCSI_CMD || header.Flags != SRB_DIR_IN || block->Lun != 0 ||
                         block->BufferLength != 32 || !block->Buffer || block->SenseLength != 14 ||
                         block->CdbLength != 6 || block->PostProcedure || std::memcmp(block->Cdb, inquiryCdb, 16);
    const Device* device = Find(header.HostAdapter, block->Target);
    if (!device->lateMs) return Complete(block, *device);
    if (device->lateMs != INFINITE) std::thread([=] { ::Sleep(device->lateMs); Complete(block, *device); }).detach();
    return SS_PENDING;
}

TEST(AspiScan, SlotsGetTypeAndNameAsReportedAndABrokenLayerEndsTheScan)
{
    const Device disk = {0, 0, SS_COMP, "VENDOR  PRODUCT         "};
    const struct { DWORD supportInfo; BYTE adapterStatus, adapters; std::vector<Device> devices; int typeQueries; std::string slots; } rows[] = {
        {0xE801, SS_COMP, 1, {disk}, 0, ""},  // the layer reports a failure
        {0x0100, SS_COMP, 1, {disk}, 0, ""},  // usable, no adapters
        {0x0101, SS_ERR, 2, {disk}, 0, ""},
        {0x0101, SS_COMP, 12, {}, 64, ""},  // at most 8 adapters
        {0x0102, SS_COMP, 2, {{11, 5, SS_COMP, "TESSARANCD-ROM DRIVE    "}, {6, 0x1F, SS_COMP, "AB\0DEFGHPRODUCT         "},
                              {1, 0, SS_COMP, "SEAGLASSST-1096N DISK   ", 20}, {2, 1, SS_ERR, "VENDOR  TAPE            "}},
         16, "1:1 SEAGLASS ST-1|2:2 |6:32 AB|11:6 TESSARAN CD-ROM DRIVE    |"},  // blanks kept, a zero ends the name
        {0x0101, SS_COMP, 1, {{4, 0, SS_COMP, "SLOWDISKSPINNING UP     ", 0, 300}}, 8, "4:1 SLOWDISK SPINNING UP     |"},
        {0x0101, SS_COMP, 1, {{4, 0, SS_COMP, "LOSTDISK", 0, INFINITE}, {5, 0, SS_COMP, "LATER   "}}, 5, "4:1 |"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.slots + " of " + std::to_string(r.typeQueries));
        g_layer = {r.supportInfo, r.adapterStatus, r.adapters, r.devices};
        ResetHostInventory();
        ScanAspiLayer(::GetModuleHandleA(nullptr), 1000);
        std::string slots;
        for (int slot = 0; slot < ScsiSlotCount; ++slot)
            if (const int type = HostInventory.ScsiDeviceTypes[slot]; type || !HostInventory.ScsiDeviceNames[slot].empty())
                slots += std::to_string(slot) + ":" + std::to_string(type) + " " + HostInventory.ScsiDeviceNames[slot] + "|";
        EXPECT_EQ(slots, r.slots);
        EXPECT_EQ(g_layer.typeQueries, r.typeQueries);
        EXPECT_EQ(g_layer.malformed, 0);
        EXPECT_EQ(HostInventory.AspiSupportInfo, r.supportInfo);
    }
    for (HMODULE unusable : {HMODULE(), ::GetModuleHandleA("kernel32.dll")}) {  // none, or no entry points
        ScanAspiLayer(unusable);
        EXPECT_EQ(HostInventory.AspiSupportInfo, 0u);
    }
}
