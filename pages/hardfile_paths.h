#pragma once
// What a hard-file entry's path names. A stored relative name means the folder
// the program was started in (where the emulator is), whatever folder a file
// dialog has moved the current directory to since; and whether the file is
// there is asked without opening it, so that a disk the running emulator holds
// open, or a port name, is never disturbed.
#include <cstdint>
#include <optional>
#include <string>

// The process's current directory, with its trailing separator; empty when it
// cannot be read.
std::string CurrentFolder();

// `path` as a full path: a relative name taken from `folder` (a name starting
// with one separator from that folder's root), then "." and ".." resolved.
// Paths with a drive or a server stay as they are, apart from that clean-up.
std::string AbsolutePath(const std::string& path, const std::string& folder);
std::wstring AbsolutePath(const std::wstring& path, const std::wstring& folder);

// A full path as the Unicode file calls take it at any length: one of MAX_PATH
// or more gets the prefix that lifts that limit; a shorter one stays as it is.
std::wstring LongPathForm(const std::wstring& path);
// The path without that prefix again.
std::wstring WithoutLongPathPrefix(const std::wstring& path);

// Two entries name the same file: their full paths match, ignoring case.
bool SamePath(const std::string& a, const std::string& b);

// A device rather than a disk file: "COM1", "lpt2:", "NUL", "C:\x\CON.hfi",
// "\\.\anything". Opening one may toggle a port's lines, so nothing here does.
bool IsDeviceName(const std::string& path);

struct HardFileProbe {
    bool found = false;             // a file (not a folder, not a device) is there
    std::optional<uint64_t> bytes;  // its length, when the system tells it
};

// Looks at the file at full path `path` through its directory entry only. A
// file another program holds open with no sharing counts as there.
HardFileProbe ProbeHardFile(const std::string& path);
