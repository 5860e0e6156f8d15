// The two registry reads of the monitor: the spooler's recorded port of the printer, and the I/O
// resources Plug and Play gave the parallel port's device.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace monitor {

// First string of "portName" under the printer's DsSpooler key, read whole; nothing when unreadable.
std::optional<std::string> ReadRecordedPortName(const std::string& printerName);

// "AllocConfig" of the device's Control key, at most 512 bytes; nothing when missing or larger.
std::optional<std::vector<uint8_t>> ReadAllocConfig(const std::string& deviceKey);

} // namespace monitor
