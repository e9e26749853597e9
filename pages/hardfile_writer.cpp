#include "pages/hardfile_writer.h"
#include "framework/handles.h"
#include "pages/disk_figures.h"
#include <winioctl.h>

bool WriteBlockToFile(HANDLE file, const void* block, DWORD size)
{
    DWORD written = 0;
    return ::WriteFile(file, block, size, &written, nullptr) && written == size;
}

bool MarkFileSparse(HANDLE file)
{
    DWORD returned = 0;
    return ::DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr) != FALSE;
}

namespace {
bool SetLength(HANDLE file, uint64_t bytes)
{
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(bytes);
    return ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}
}  // namespace

HardFileWriteResult WriteHardFile(const std::string& path, int sizeMiB, bool reserve, const MiBWritten& progress,
                                  const HardFileDisk& disk)
{
    HardFileWriteResult result;
    if (!FitsInMaxPath(path)) return result;  // no file where Windows could not make one
    unique_hfile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr));
    if (!file) return result;
    result.created = true;

    // 64 bits: a size of 8 GiB or more already has more blocks than an int holds.
    const uint64_t blocks = sizeMiB > 0 ? static_cast<uint64_t>(sizeMiB) * HardFileBlocksPerMiB : 0;
    // Sparse before the length is set: a length set first would be allocated.
    if (!reserve && disk.markSparse(file.get())) {
        result.sparse = SetLength(file.get(), blocks * HardFileBlockSize);
        return result;
    }

    static_assert(HardFileBlockSize == 4096, "the block is a page-sized stack buffer");
    const BYTE zeroBlock[HardFileBlockSize] = {};
    if (progress) progress(0);
    while (result.blocksWritten < blocks) {
        if (!disk.write(file.get(), zeroBlock, HardFileBlockSize)) break;
        ++result.blocksWritten;
        if (progress && result.blocksWritten % HardFileBlocksPerMiB == 0)
            progress(static_cast<int>(result.blocksWritten / HardFileBlocksPerMiB));
    }
    return result;
}
