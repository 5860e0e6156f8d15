// Port list texts and the pre-selection rule.
// Case-sensitive on purpose: the spooler names its parallel port "LPT1:".
#include "port_list.h"

namespace setup {

std::string PortListText(const SpoolerPort& port) {
    return port.name + " (" + port.description.value_or(std::string()) + ")";
}

std::optional<size_t> PreselectedPort(const std::vector<SpoolerPort>& ports) {
    for (size_t i = 0; i < ports.size(); ++i)
        if (ports[i].name == "LPT1:")
            return i;
    return std::nullopt;
}

} // namespace setup
