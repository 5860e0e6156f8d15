// Sorting the printer's port into a kind ("LPT", "USB", "COM" or the whole name) and what the
// classification means for the parallel-port timer; and the device tag of the first three LPT ports.
#pragma once

#include <optional>
#include <string>

namespace monitor {

enum class PortAction {
    SetUpParallelPort, // an LPT port: read its status register
    StopParallelTimer, // USB or COM: no register to read
    LeaveAsItIs,       // any other port, e.g. FILE:
};

struct PortClass {
    std::string kind;
    PortAction action;
};

// Case-sensitive substring search in the order LPT, USB, COM: "lpt1:" is not a parallel port here.
PortClass ClassifyPort(const std::string& portName);

// "(LPT1)" to "(LPT3)" for exactly "LPT1:" to "LPT3:", nothing for any other name.
std::optional<std::string> LptDeviceTagFor(const std::string& portName);

} // namespace monitor
