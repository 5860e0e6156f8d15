// The resource-list walk, bounds-checked at every step.
// Layout: count, then full descriptors of 16 bytes plus 16 per partial descriptor.
#include "resource_list.h"

namespace monitor {

namespace {
constexpr size_t kListHeaderSize = 4;
constexpr size_t kFullDescriptorHeaderSize = 16; // interface type, bus, version, revision, partial count
constexpr size_t kPartialCountOffset = 12;
constexpr size_t kPartialDescriptorSize = 16;
constexpr size_t kPartialStartOffset = 4; // after type, share disposition and flags
constexpr uint8_t kResourceTypePort = 1;

uint32_t ReadUint32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint64_t ReadUint64(const uint8_t* p) {
    return static_cast<uint64_t>(ReadUint32(p)) | (static_cast<uint64_t>(ReadUint32(p + 4)) << 32);
}
} // namespace

std::optional<uint64_t> FindFirstPortRangeStart(const uint8_t* data, size_t size) {
    if (!data || size < kListHeaderSize)
        return std::nullopt;
    const uint32_t fullCount = ReadUint32(data);
    size_t offset = kListHeaderSize;
    for (uint32_t full = 0; full < fullCount; ++full) {
        if (size - offset < kFullDescriptorHeaderSize)
            return std::nullopt;
        const uint32_t partialCount = ReadUint32(data + offset + kPartialCountOffset);
        offset += kFullDescriptorHeaderSize;
        for (uint32_t partial = 0; partial < partialCount; ++partial) {
            if (size - offset < kPartialDescriptorSize)
                return std::nullopt;
            const uint8_t* descriptor = data + offset;
            if (descriptor[0] == kResourceTypePort)
                return ReadUint64(descriptor + kPartialStartOffset);
            offset += kPartialDescriptorSize;
        }
    }
    return std::nullopt;
}

} // namespace monitor
