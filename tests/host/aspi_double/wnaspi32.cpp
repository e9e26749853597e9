// A scripted ASPI layer: answers the scan from the script the test set, checks
// the fields the scan fills, and can finish an INQUIRY later from a thread of its
// own, as real layers do.
#include <cstring>

#include "host/aspi_blocks.h"
#include "tests/host/aspi_double/aspi_double.h"

#define DOUBLE_EXPORT extern "C" __declspec(dllexport)

namespace {

AspiDoubleScript script;
AspiDoubleLog log;
SRB_ExecSCSICmd* lateBlock;  // one late INQUIRY at a time is enough for the tests
const AspiDoubleDevice* lateDevice;

const AspiDoubleDevice* FindDevice(const SRB_Header& header, BYTE target)
{
    for (int i = 0; i < script.deviceCount; ++i)
        if (script.devices[i].adapter == header.HostAdapter && script.devices[i].target == target)
            return &script.devices[i];
    return nullptr;
}

DWORD CompleteInquiry(SRB_ExecSCSICmd* block, const AspiDoubleDevice& device)
{
    std::memcpy(block->Buffer, device.inquiry, device.inquiryLength ? device.inquiryLength : 32);
    MemoryBarrier();  // data before status, as the scan reads them
    return *static_cast<volatile BYTE*>(&block->Header.Status) = device.inquiryStatus;
}

DWORD WINAPI CompleteLater(void*)
{
    ::Sleep(lateDevice->completeAfterMs);
    CompleteInquiry(lateBlock, *lateDevice);
    return 0;
}

DWORD ExecuteInquiry(SRB_ExecSCSICmd* block)
{
    static const BYTE inquiryCdb[16] = {0x12, 0, 0, 0, 32, 0};
    log.malformedRequests += block->Header.Flags != SRB_DIR_IN || block->Lun != 0 || block->BufferLength != 32 ||
                             !block->Buffer || block->SenseLength != 14 || block->CdbLength != 6 ||
                             block->PostProcedure || std::memcmp(block->Cdb, inquiryCdb, 16) != 0;
    const AspiDoubleDevice* device = FindDevice(block->Header, block->Target);
    if (!device) return block->Header.Status = SS_ERR;
    if (device->completeAfterMs == 0) return CompleteInquiry(block, *device);
    if (device->completeAfterMs != INFINITE) {
        lateBlock = block;
        lateDevice = device;
        if (HANDLE worker = ::CreateThread(nullptr, 0, CompleteLater, nullptr, 0, nullptr)) ::CloseHandle(worker);
    }
    return SS_PENDING;
}

}  // namespace

DOUBLE_EXPORT DWORD __cdecl GetASPI32SupportInfo()
{
    return script.supportInfo;
}

DOUBLE_EXPORT DWORD __cdecl SendASPI32Command(void* requestBlock)
{
    auto& header = *static_cast<SRB_Header*>(requestBlock);
    log.malformedRequests += header.Reserved != 0 || header.Status != SS_PENDING;
    switch (header.Command) {
    case SC_HA_INQUIRY: {
        auto* inquiry = static_cast<SRB_HAInquiry*>(requestBlock);
        ++log.adapterInquiries;
        log.malformedRequests += header.HostAdapter != 0 || header.Flags != 0;
        inquiry->HA_Count = script.adapterCount;
        return header.Status = script.adapterInquiryStatus;
    }
    case SC_GET_DEV_TYPE: {
        auto* query = static_cast<SRB_GDEVBlock*>(requestBlock);
        ++log.typeQueries;
        log.malformedRequests += header.Flags != 0 || query->Lun != 0;
        const AspiDoubleDevice* device = FindDevice(header, query->Target);
        if (!device) return header.Status = SS_NO_DEVICE;
        query->SRB_DeviceType = device->peripheralType;
        return header.Status = SS_COMP;
    }
    case SC_EXEC_SCSI_CMD:
        ++log.inquiries;
        return ExecuteInquiry(static_cast<SRB_ExecSCSICmd*>(requestBlock));
    default:
        ++log.malformedRequests;
        return header.Status = SS_INVALID_CMD;
    }
}

DOUBLE_EXPORT void __cdecl AspiDoubleSetScript(const AspiDoubleScript* newScript)
{
    script = *newScript;
    log = AspiDoubleLog{};
}

DOUBLE_EXPORT const AspiDoubleLog* __cdecl AspiDoubleGetLog()
{
    return &log;
}
