#include "host/aspi_scan.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "host/aspi_blocks.h"
#include "host/host_inventory.h"

namespace {

constexpr BYTE InquiryCommand = 0x12;
constexpr BYTE InquiryLength = 32;
constexpr BYTE InquirySenseLength = 14;

// The request and its data buffer in one allocation, so that a request the layer
// has not finished in time can be left to it: a late completion then writes into
// memory that is still ours.
struct InquiryRequest {
    SRB_ExecSCSICmd block;
    BYTE data[InquiryLength];
};

int InquireAdapterCount(SendASPI32CommandFn send)
{
    SRB_HAInquiry inquiry = {};
    inquiry.Header.Command = SC_HA_INQUIRY;
    send(&inquiry);
    if (inquiry.Header.Status != SS_COMP) return 0;
    return std::min<int>(inquiry.HA_Count, ScsiAdapterLimit);
}

// SCSI peripheral device type + 1, or 0 when no device answers.
int QueryDeviceType(SendASPI32CommandFn send, int adapter, int target)
{
    SRB_GDEVBlock query = {};
    query.Header.Command = SC_GET_DEV_TYPE;
    query.Header.HostAdapter = static_cast<BYTE>(adapter);
    query.Target = static_cast<BYTE>(target);
    query.Lun = 0;
    if (send(&query) != SS_COMP) return 0;
    return query.SRB_DeviceType + 1;
}

// The layer finishes the request from its own context: read the status afresh
// after each pause until it changes or the limit has passed. The pause gives the
// processor away: a device spinning up keeps a request pending for seconds, and
// on a single processor a wait that only read would starve the layer's own
// thread. The 32-bit tick count (what Windows XP has) wraps every 49.7 days; the
// unsigned difference of two readings is still the time between them.
BYTE WaitWhilePending(const BYTE& status, ULONGLONG limitMs)
{
    const volatile BYTE& current = status;
    const DWORD start = ::GetTickCount();
    BYTE seen = current;
    while (seen == SS_PENDING && ::GetTickCount() - start < limitMs) {
        ::Sleep(1);
        seen = current;
    }
    MemoryBarrier();  // data the layer wrote before the status is read after it
    return seen;
}

// Sends a standard INQUIRY and returns its final status, or SS_PENDING when it
// did not finish within the limit. `data` is filled only on SS_COMP. Bytes a
// device does not return stay zero, which ends the name there.
BYTE Inquire(SendASPI32CommandFn send, int adapter, int target, ULONGLONG waitLimitMs,
             BYTE (&data)[InquiryLength])
{
    auto request = std::make_unique<InquiryRequest>();
    SRB_ExecSCSICmd& block = request->block;
    block.Header.Command = SC_EXEC_SCSI_CMD;
    block.Header.HostAdapter = static_cast<BYTE>(adapter);
    block.Header.Flags = SRB_DIR_IN;
    block.Target = static_cast<BYTE>(target);
    block.Lun = 0;
    block.BufferLength = InquiryLength;
    block.Buffer = request->data;
    block.SenseLength = InquirySenseLength;
    block.CdbLength = 6;
    block.Cdb[0] = InquiryCommand;
    block.Cdb[4] = InquiryLength;

    send(&block);
    const BYTE status = WaitWhilePending(block.Header.Status, waitLimitMs);
    if (status == SS_PENDING) {
        request.release();  // still the layer's: deliberately never freed
        return SS_PENDING;
    }
    if (status == SS_COMP) std::memcpy(data, request->data, InquiryLength);
    return status;
}

// Vendor (bytes 8-15), one space, product (16-31), blanks kept, up to the first zero byte.
std::string DeviceName(const BYTE (&data)[InquiryLength])
{
    char name[8 + 1 + 16 + 1];
    std::memcpy(name, data + 8, 8);
    name[8] = ' ';
    std::memcpy(name + 9, data + 16, 16);
    name[25] = '\0';
    return name;
}

}  // namespace

void ScanAspiLayer(HMODULE layer, ULONGLONG inquiryWaitLimitMs)
{
    HostInventory.AspiSupportInfo = 0;
    if (!layer) return;
    auto getSupportInfo =
        reinterpret_cast<GetASPI32SupportInfoFn>(::GetProcAddress(layer, "GetASPI32SupportInfo"));
    auto send = reinterpret_cast<SendASPI32CommandFn>(::GetProcAddress(layer, "SendASPI32Command"));
    if (!getSupportInfo || !send) return;

    const DWORD supportInfo = getSupportInfo();
    HostInventory.AspiSupportInfo = supportInfo;
    if (AspiSupportStatus(supportInfo) != SS_COMP || AspiAdapterCount(supportInfo) == 0) return;

    const int adapters = InquireAdapterCount(send);
    for (int adapter = 0; adapter < adapters; ++adapter) {
        for (int target = 0; target < ScsiTargetsPerAdapter; ++target) {
            const int slot = ScsiDeviceIndex(adapter, target);
            HostInventory.ScsiDeviceTypes[slot] = QueryDeviceType(send, adapter, target);
            HostInventory.ScsiDeviceNames[slot].clear();
            if (HostInventory.ScsiDeviceTypes[slot] == 0) continue;

            BYTE data[InquiryLength];
            const BYTE status = Inquire(send, adapter, target, inquiryWaitLimitMs, data);
            if (status == SS_COMP) HostInventory.ScsiDeviceNames[slot] = DeviceName(data);
            // A layer that loses one request would make start-up wait at every device.
            if (status == SS_PENDING) return;
        }
    }
}

void ScanAspiBus()
{
    ScanAspiLayer(::LoadLibraryA("wnaspi32"));
}
