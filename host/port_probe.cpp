#include "host/port_probe.h"
#include "framework/handles.h"

bool PortOpens(const std::string& deviceName)
{
    unique_hfile port(::CreateFileA(deviceName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    return static_cast<bool>(port);
}
