#include "pages/hardfile_writer.h"
#include "framework/handles.h"
#include "pages/disk_figures.h"

bool WriteBlockToFile(HANDLE file, const void* block, DWORD size)
{
    DWORD written = 0;
    return ::WriteFile(file, block, size, &written, nullptr) && written == size;
}

HardFileWriteResult WriteHardFile(const std::string& path, int sizeMiB, const MiBWritten& progress,
                                  const BlockWrite& write)
{
    HardFileWriteResult result;
    if (!FitsInMaxPath(path)) return result;  // no file where Windows could not make one
    unique_hfile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr));
    if (!file) return result;
    result.created = true;

    static_assert(HardFileBlockSize == 4096, "the block is a page-sized stack buffer");
    const BYTE zeroBlock[HardFileBlockSize] = {};
    // 64 bits: a size of 8 GiB or more already has more blocks than an int holds.
    const uint64_t blocks = sizeMiB > 0 ? static_cast<uint64_t>(sizeMiB) * HardFileBlocksPerMiB : 0;
    while (result.blocksWritten < blocks) {
        if (!write(file.get(), zeroBlock, HardFileBlockSize)) break;
        ++result.blocksWritten;
        if (progress && result.blocksWritten % HardFileBlocksPerMiB == 0)
            progress(static_cast<int>(result.blocksWritten / HardFileBlocksPerMiB));
    }
    return result;
}
