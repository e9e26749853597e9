#pragma once
// The host's SCSI devices as the ASPI layer "wnaspi32" sees them: device type and
// INQUIRY name of logical unit 0 of every target of up to 8 host adapters.
#include <windows.h>

// How long one INQUIRY may stay pending. The layer is meant to complete every
// request; a broken one must not hold up start-up for ever.
constexpr ULONGLONG AspiInquiryWaitLimitMs = 3000;

// Start-up step: loads "wnaspi32" (kept loaded until the process ends, as layers
// expect) and fills HostInventory.AspiSupportInfo, ScsiDeviceTypes, ScsiDeviceNames.
void ScanAspiBus();

// The scan over a layer that is already loaded; a null module or one without both
// entry points leaves everything empty. An INQUIRY still pending after
// `inquiryWaitLimitMs` ends the scan: its device keeps its type with an empty name,
// later targets stay empty.
void ScanAspiLayer(HMODULE layer, ULONGLONG inquiryWaitLimitMs = AspiInquiryWaitLimitMs);
