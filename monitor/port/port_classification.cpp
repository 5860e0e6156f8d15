// Port classification and the LPT device tags.
// The tag is how the port's Plug and Play entity names it, e.g. "ECP Printer Port (LPT1)".
#include "port_classification.h"

namespace monitor {

PortClass ClassifyPort(const std::string& portName) {
    if (portName.find("LPT") != std::string::npos)
        return {"LPT", PortAction::SetUpParallelPort};
    if (portName.find("USB") != std::string::npos)
        return {"USB", PortAction::StopParallelTimer};
    if (portName.find("COM") != std::string::npos)
        return {"COM", PortAction::StopParallelTimer};
    return {portName, PortAction::LeaveAsItIs};
}

std::optional<std::string> LptDeviceTagFor(const std::string& portName) {
    for (const char* number : {"1", "2", "3"})
        if (portName == std::string("LPT") + number + ":")
            return std::string("(LPT") + number + ")";
    return std::nullopt;
}

} // namespace monitor
