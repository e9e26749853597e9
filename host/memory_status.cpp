#include "host/memory_status.h"

MemoryStatus CurrentMemoryStatus()
{
    // The extended query exists from Windows 2000 on, so the 32-bit build still
    // runs on XP; it reports all memory even to a 32-bit process.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    MemoryStatus figures;
    if (!::GlobalMemoryStatusEx(&status)) return figures;
    figures.totalPhys = status.ullTotalPhys;
    figures.availPhys = status.ullAvailPhys;
    figures.availPageFile = status.ullAvailPageFile;
    return figures;
}
