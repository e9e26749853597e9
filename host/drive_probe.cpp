#include "host/drive_probe.h"

DriveProbe HostDriveProbe()
{
    return {[] { return ::GetLogicalDrives(); },
            [](const std::string& rootPath) { return ::GetDriveTypeA(rootPath.c_str()); }};
}
