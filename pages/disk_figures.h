#pragma once
// Free space and file sizes as the Storage page and the Hard File Size dialog
// show them: whole MiB, rounded down, computed in 64 bits so that drives above
// 2 TiB and files of 2 GiB or more show their true figures.
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>

// Free MiB from the cluster geometry: whole 512-byte units per cluster times
// free clusters, divided by 2048.
uint64_t FreeMiBFromClusters(DWORD bytesPerSector, DWORD sectorsPerCluster, DWORD freeClusters);

// Free MiB of the drive that holds the current directory; nothing when the
// system cannot tell.
std::optional<uint64_t> CurrentDriveFreeMiB();

// A MiB figure for a signed 32-bit field: anything beyond INT_MAX MiB (about
// 2 PiB) reads as INT_MAX, still more than any size a user would type.
int ClampToIntMiB(uint64_t mib);

// " 812 MB available": a blank, the figure, " MB " and string 143.
std::string FreeSpaceText(uint64_t freeMiB);
// " 20 MB": a blank, the size in whole MiB, " MB".
std::string FileSizeText(uint64_t bytes);

// The full path of `path` is shorter than MAX_PATH, as every ANSI file call of
// Windows, and the emulator's, needs. Under Wine a longer target can seem to be
// renamed to, yet the file then lies where no such call reaches it.
bool FitsInMaxPath(const std::string& path);
