// The port-change decision.
// Comparison is whole-string and case-sensitive, as the spooler stores the name.
#include "port_change.h"

#include <cstring>

namespace monitor {

bool PortNameChanged(const std::optional<std::string>& registryPort, const std::optional<std::string>& spoolerPort,
                     const std::string& portName) {
    if (registryPort)
        return *registryPort != portName;
    if (spoolerPort)
        return *spoolerPort != portName;
    return false;
}

std::string FirstStringOf(const char* data, size_t size) {
    if (!data)
        return std::string();
    const void* end = std::memchr(data, '\0', size);
    return std::string(data, end ? static_cast<const char*>(end) - data : size);
}

} // namespace monitor
