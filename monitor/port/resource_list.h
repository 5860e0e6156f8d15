// Finding a device's first I/O port range in a registry resource list (the REG_RESOURCE_LIST layout):
// full descriptors, each with its partial descriptors, the first of type "port" winning.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace monitor {

// Start address of the first port range, or nothing when the data holds none. Never reads past size,
// whatever the counts inside the data claim.
std::optional<uint64_t> FindFirstPortRangeStart(const uint8_t* data, size_t size);

// The status register follows the range's first address; addresses are 16 bits on this bus.
inline uint16_t StatusRegisterFor(uint64_t rangeStart) { return static_cast<uint16_t>(rangeStart + 1); }

} // namespace monitor
