// Whether the spooler has moved the printer to another port since discovery read PortName.
// The registry's record is asked first; when it cannot be read, the spooler itself.
#pragma once

#include <optional>
#include <string>

namespace monitor {

// registryPort: the first string of the printer's recorded "portName", or nothing when unreadable.
// spoolerPort: the port the open printer reports now, or nothing when that fails too.
// Unknown is never a change: rediscovering every second would keep the monitor from showing a state.
bool PortNameChanged(const std::optional<std::string>& registryPort, const std::optional<std::string>& spoolerPort,
                     const std::string& portName);

// The first string of a REG_MULTI_SZ (or REG_SZ) value's bytes, whatever their length or termination.
std::string FirstStringOf(const char* data, size_t size);

} // namespace monitor
