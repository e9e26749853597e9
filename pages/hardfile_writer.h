#pragma once
// Writing a new hard file: N MiB of zero bytes, no header, written from offset 0
// upwards in blocks of HardFileBlockSize from one reused zero-filled buffer.
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>

constexpr DWORD HardFileBlockSize = 4096;
constexpr uint64_t HardFileBlocksPerMiB = 1048576 / HardFileBlockSize;

// Writes one block to the open file; false when the write failed. The product
// writes to the disk; a test can put a failing disk in its place.
using BlockWrite = std::function<bool(HANDLE file, const void* block, DWORD size)>;
bool WriteBlockToFile(HANDLE file, const void* block, DWORD size);

// Told the number of whole MiB written so far, after each one.
using MiBWritten = std::function<void(int mibWritten)>;

struct HardFileWriteResult {
    bool created = false;        // the file could be created (or truncated)
    uint64_t blocksWritten = 0;  // blocks that went out before the end or the first failure
};

// Creates `path` (write access, no sharing, replacing and truncating an existing
// file) and writes sizeMiB x 256 zero blocks. The first failed write ends the
// loop quietly; what was written stays.
HardFileWriteResult WriteHardFile(const std::string& path, int sizeMiB, const MiBWritten& progress = {},
                                  const BlockWrite& write = WriteBlockToFile);
