#pragma once
// The host's drive letters and their types, as the Misc page reads them when it
// is first shown. Tests hand the page a scripted host instead of the real one.
#include <windows.h>
#include <functional>
#include <string>

struct DriveProbe {
    // Bit 0 = A:, bit 1 = B:, and so on.
    std::function<DWORD()> logicalDrives;
    // A GetDriveType answer for a root path such as "D:\"; a failed query
    // answers a type that no list takes.
    std::function<UINT(const std::string& rootPath)> driveType;
};

// The running system's answers.
DriveProbe HostDriveProbe();
