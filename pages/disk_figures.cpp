#include "pages/disk_figures.h"
#include "framework/strings.h"
#include "res/resource.h"
#include <climits>

namespace {
constexpr uint64_t kBytesPerMiB = 1048576;
}

uint64_t FreeMiBFromClusters(DWORD bytesPerSector, DWORD sectorsPerCluster, DWORD freeClusters)
{
    // The unit count per cluster is small; the product with the free clusters is
    // what overflows 32 bits at 2 TiB.
    uint64_t unitsPerCluster = static_cast<uint64_t>(bytesPerSector) * sectorsPerCluster / 512;
    return unitsPerCluster * freeClusters / 2048;
}

std::optional<uint64_t> CurrentDriveFreeMiB()
{
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!::GetDiskFreeSpaceA(nullptr, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return std::nullopt;
    return FreeMiBFromClusters(bytesPerSector, sectorsPerCluster, freeClusters);
}

int ClampToIntMiB(uint64_t mib)
{
    return mib > static_cast<uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(mib);
}

std::string FreeSpaceText(uint64_t freeMiB)
{
    return " " + std::to_string(freeMiB) + " MB " + LoadStringResource(IDS_AVAILABLE);
}

std::string FileSizeText(uint64_t bytes)
{
    return " " + std::to_string(bytes / kBytesPerMiB) + " MB";
}

bool FitsInMaxPath(const std::string& path)
{
    char full[MAX_PATH];
    DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH;
}
