// Fuzzes the reading of the printer's recorded "portName" (REG_MULTI_SZ or REG_SZ bytes of any length and
// termination) and the port-change decision it feeds: unknown is never a change.
#include "monitor/port/port_change.h"

#include <cstring>

#include "tests/fuzz/fuzz_support.h"

namespace {
// What a first string must be: the bytes up to the first NUL, or all of them without one.
void CheckFirstString(const char* data, size_t size, const std::string& first) {
    FUZZ_CHECK(first.size() <= size);
    FUZZ_CHECK(first.find('\0') == std::string::npos);
    FUZZ_CHECK(first.size() == size || data[first.size()] == '\0');
    FUZZ_CHECK(std::memcmp(first.data(), data, first.size()) == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Input: one flags byte (bit 0 registry readable, bit 1 spooler answered), then the value's bytes,
    // which libFuzzer holds in a heap block of exactly their size.
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    const char* value = reinterpret_cast<const char*>(data + 1);
    const size_t valueSize = size - 1;
    const std::string first = monitor::FirstStringOf(value, valueSize);
    CheckFirstString(value, valueSize, first);
    FUZZ_CHECK(monitor::FirstStringOf(nullptr, valueSize).empty());

    // The second and third strings stand for the name discovery read and the spooler's answer.
    const size_t afterFirst = std::min(first.size() + 1, valueSize);
    const std::string second = monitor::FirstStringOf(value + afterFirst, valueSize - afterFirst);
    CheckFirstString(value + afterFirst, valueSize - afterFirst, second);
    const size_t afterSecond = std::min(afterFirst + second.size() + 1, valueSize);
    const std::string third = monitor::FirstStringOf(value + afterSecond, valueSize - afterSecond);

    const std::optional<std::string> registryPort =
        (flags & 1) ? std::optional<std::string>(first) : std::nullopt;
    const std::optional<std::string> spoolerPort =
        (flags & 2) ? std::optional<std::string>(third) : std::nullopt;
    const bool changed = monitor::PortNameChanged(registryPort, spoolerPort, second);
    if (registryPort)
        FUZZ_CHECK(changed == (first != second));
    else if (spoolerPort)
        FUZZ_CHECK(changed == (third != second));
    else
        FUZZ_CHECK(!changed);
    FUZZ_CHECK(!monitor::PortNameChanged(registryPort, spoolerPort, registryPort.value_or(third)));
    return 0;
}
