#pragma once
// The host's memory figures in bytes, 64 bits wide: today's hosts have more
// than 4 GiB, which the 32-bit figures of the older query cannot hold.
#include <windows.h>

struct MemoryStatus {
    ULONGLONG totalPhys = 0;
    ULONGLONG availPhys = 0;
    ULONGLONG availPageFile = 0;
};

// Where a page gets the figures from: the running system in the product, a
// scripted status in tests.
using MemoryStatusQuery = MemoryStatus (*)();

MemoryStatus CurrentMemoryStatus();
