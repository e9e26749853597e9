#pragma once
// Writing a new hard file: N MiB that read as zero bytes, no header. Either the
// file is made sparse at its full length at once, so the disk gives it blocks
// only as the emulator writes, or every block is written now, from offset 0
// upwards in blocks of HardFileBlockSize from one reused zero-filled buffer.
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>

constexpr DWORD HardFileBlockSize = 4096;
constexpr uint64_t HardFileBlocksPerMiB = 1048576 / HardFileBlockSize;

// Writes one block to the open file; false when the write failed.
using BlockWrite = std::function<bool(HANDLE file, const void* block, DWORD size)>;
bool WriteBlockToFile(HANDLE file, const void* block, DWORD size);
// Marks the open, empty file sparse; false where the file system has no sparse
// files (FAT32).
using SparseMark = std::function<bool(HANDLE file)>;
bool MarkFileSparse(HANDLE file);

// What the writer asks of the disk. The product's disk by default; a test puts
// a full disk or one without sparse files in its place.
struct HardFileDisk {
    SparseMark markSparse = MarkFileSparse;
    BlockWrite write = WriteBlockToFile;
};

// Told the number of whole MiB written so far: 0 before the first block of a
// full write, then after each MiB. Never told for a sparse file.
using MiBWritten = std::function<void(int mibWritten)>;

struct HardFileWriteResult {
    bool created = false;        // the file could be created (or truncated)
    bool sparse = false;         // made sparse at its full length: nothing written
    uint64_t blocksWritten = 0;  // blocks that went out before the end or the first failure
};

// Creates `path` (write access, no sharing, replacing and truncating an existing
// file). Unless `reserve` asks for the whole size on the disk now, marks it
// sparse and sets its length; where marking is refused, and when `reserve`,
// writes sizeMiB x 256 zero blocks instead, so the file reads as zeros either
// way. The first failed step ends it quietly; what was written stays.
HardFileWriteResult WriteHardFile(const std::string& path, int sizeMiB, bool reserve,
                                  const MiBWritten& progress = {}, const HardFileDisk& disk = {});
