// Fuzzes the walk over a device's AllocConfig resource list, bytes the registry hands the monitor: it must
// never read past the data whatever its counts claim, and a start it returns must really be in the data.
#include "monitor/port/resource_list.h"

#include <cstring>
#include <memory>

#include "tests/fuzz/fuzz_support.h"

namespace {
constexpr size_t kFirstStartField = 4 + 16 + 4; // list count, one full descriptor header, type bytes
constexpr size_t kDescriptorSize = 16;
constexpr uint8_t kTypePort = 1;

uint64_t Read64(const uint8_t* p) {
    return static_cast<uint64_t>(fuzz::Read32(p)) | (static_cast<uint64_t>(fuzz::Read32(p + 4)) << 32);
}

// Whether some port-type partial descriptor on the 16-byte grid holds `start` as its first address.
bool StartIsInData(const uint8_t* data, size_t size, uint64_t start) {
    for (size_t at = kFirstStartField; at + 8 <= size; at += kDescriptorSize)
        if (data[at - 4] == kTypePort && Read64(data + at) == start)
            return true;
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // libFuzzer's buffer is exactly `size` bytes on the heap, so a read past it is an ASan report.
    const std::optional<uint64_t> start = monitor::FindFirstPortRangeStart(data, size);
    FUZZ_CHECK(!monitor::FindFirstPortRangeStart(nullptr, size));
    if (!start)
        return 0;
    FUZZ_CHECK(size >= kFirstStartField - 4 + kDescriptorSize);
    FUZZ_CHECK(StartIsInData(data, size, *start));
    FUZZ_CHECK(monitor::StatusRegisterFor(*start) == static_cast<uint16_t>(*start + 1));

    // The walk ends at the first port range, so bytes after the data cannot change its answer.
    const size_t longer = size + kDescriptorSize;
    std::unique_ptr<uint8_t[]> extended(new uint8_t[longer]);
    std::memcpy(extended.get(), data, size);
    std::memset(extended.get() + size, kTypePort, kDescriptorSize);
    FUZZ_CHECK(monitor::FindFirstPortRangeStart(extended.get(), longer) == start);
    return 0;
}
