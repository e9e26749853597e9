#pragma once
// ASPI for Win32 request blocks, laid out as the published interface has them:
// byte-packed, pointer fields pointer-sized (so the SCSI command block is longer
// in a 64-bit process). Shared by the scan and by the test layer that answers it.
#include <windows.h>
#include <cstddef>

// Entry points of "wnaspi32"; C calling convention, not WINAPI.
using GetASPI32SupportInfoFn = DWORD(__cdecl*)();
using SendASPI32CommandFn = DWORD(__cdecl*)(void* requestBlock);

enum : BYTE {
    SC_HA_INQUIRY = 0,
    SC_GET_DEV_TYPE = 1,
    SC_EXEC_SCSI_CMD = 2,
};

enum : BYTE {
    SS_PENDING = 0,
    SS_COMP = 1,
    SS_ABORTED = 2,
    SS_ERR = 4,
    SS_INVALID_CMD = 0x80,
    SS_INVALID_HA = 0x81,
    SS_NO_DEVICE = 0x82,
};

constexpr BYTE SRB_DIR_IN = 0x08;

// Support information: status in bits 8-15, host-adapter count in bits 0-7.
constexpr BYTE AspiSupportStatus(DWORD supportInfo) { return static_cast<BYTE>(supportInfo >> 8); }
constexpr BYTE AspiAdapterCount(DWORD supportInfo) { return static_cast<BYTE>(supportInfo); }

#pragma pack(push, 1)

struct SRB_Header {
    BYTE Command;
    BYTE Status;
    BYTE HostAdapter;
    BYTE Flags;
    DWORD Reserved;  // must be 0
};

struct SRB_HAInquiry {
    SRB_Header Header;
    BYTE HA_Count;
    BYTE HA_SCSI_ID;
    BYTE ManagerId[16];
    BYTE AdapterId[16];
    BYTE AdapterUnique[16];
    WORD Reserved;
};

struct SRB_GDEVBlock {
    SRB_Header Header;
    BYTE Target;
    BYTE Lun;
    BYTE SRB_DeviceType;
    BYTE Reserved;
};

struct SRB_ExecSCSICmd {
    SRB_Header Header;
    BYTE Target;
    BYTE Lun;
    WORD Reserved1;
    DWORD BufferLength;
    BYTE* Buffer;
    BYTE SenseLength;
    BYTE CdbLength;
    BYTE HostAdapterStatus;
    BYTE TargetStatus;
    void* PostProcedure;  // completion routine or event
    void* Reserved2;
    BYTE Reserved3[16];
    BYTE Cdb[16];
    BYTE SenseArea[14 + 2];
};

#pragma pack(pop)

static_assert(sizeof(SRB_Header) == 8, "SRB header");
static_assert(sizeof(SRB_HAInquiry) == 60, "SRB_HAInquiry");
static_assert(offsetof(SRB_HAInquiry, HA_Count) == 0x08, "HA_Count");
static_assert(offsetof(SRB_HAInquiry, ManagerId) == 0x0A, "manager id");
static_assert(offsetof(SRB_HAInquiry, AdapterId) == 0x1A, "adapter id");
static_assert(offsetof(SRB_HAInquiry, AdapterUnique) == 0x2A, "adapter parameters");
static_assert(sizeof(SRB_GDEVBlock) == 12, "SRB_GDEVBlock");
static_assert(offsetof(SRB_GDEVBlock, Target) == 0x08, "target");
static_assert(offsetof(SRB_GDEVBlock, SRB_DeviceType) == 0x0A, "device type");

// Fields after the first pointer move by 4 bytes per pointer in a 64-bit process.
constexpr size_t AspiPointerGrowth = sizeof(void*) - 4;
static_assert(offsetof(SRB_ExecSCSICmd, Target) == 0x08, "target");
static_assert(offsetof(SRB_ExecSCSICmd, BufferLength) == 0x0C, "buffer length");
static_assert(offsetof(SRB_ExecSCSICmd, Buffer) == 0x10, "buffer");
static_assert(offsetof(SRB_ExecSCSICmd, SenseLength) == 0x14 + AspiPointerGrowth, "sense length");
static_assert(offsetof(SRB_ExecSCSICmd, CdbLength) == 0x15 + AspiPointerGrowth, "CDB length");
static_assert(offsetof(SRB_ExecSCSICmd, HostAdapterStatus) == 0x16 + AspiPointerGrowth, "adapter status");
static_assert(offsetof(SRB_ExecSCSICmd, TargetStatus) == 0x17 + AspiPointerGrowth, "target status");
static_assert(offsetof(SRB_ExecSCSICmd, PostProcedure) == 0x18 + AspiPointerGrowth, "completion");
static_assert(offsetof(SRB_ExecSCSICmd, Reserved2) == 0x1C + 2 * AspiPointerGrowth, "reserved pointer");
static_assert(offsetof(SRB_ExecSCSICmd, Reserved3) == 0x20 + 3 * AspiPointerGrowth, "reserved");
static_assert(offsetof(SRB_ExecSCSICmd, Cdb) == 0x30 + 3 * AspiPointerGrowth, "CDB");
static_assert(offsetof(SRB_ExecSCSICmd, SenseArea) == 0x40 + 3 * AspiPointerGrowth, "sense area");
static_assert(sizeof(SRB_ExecSCSICmd) == 80 + 3 * AspiPointerGrowth, "SRB_ExecSCSICmd");
