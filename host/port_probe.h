#pragma once
// Whether a serial or printer port of the host can be opened right now. The
// Ports page asks this once per name when it is first shown; tests hand the
// page a scripted answer instead.
#include <functional>
#include <string>

using PortProbe = std::function<bool(const std::string& deviceName)>;

// Opens the device ("COM1:") for reading and writing, unshared, and closes it
// at once. A port that is missing or held by another program does not open.
bool PortOpens(const std::string& deviceName);
