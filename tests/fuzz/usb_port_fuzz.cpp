// Fuzzes the setup program's USB decisions on data it does not control: the arrival's device name, and the
// registry facts of the printer interface that give its port name ("Linked", "Port Number").
#include "setup/app/usb_port.h"

#include <algorithm>
#include <cstring>

#include "catalogue/model_catalogue.h"
#include "monitor/port/usb_match.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
// Input: one flags byte (bit 0 "Linked" read, bit 1 "Device Parameters" opened, bit 2 "Port Number" read),
// "Linked" and "Port Number" as 32-bit little-endian words, then the arrival's device name.
constexpr size_t kFactsSize = 9;

void CheckPortName(const setup::UsbPortFacts& facts) {
    const std::optional<std::string> port = setup::UsbPortFromFacts(facts);
    FUZZ_CHECK(port.has_value() == (facts.linked == 1u && facts.parametersOpened));
    if (!port)
        return;
    // "USB" and the number in at least three digits, which read back to the number it came from.
    const uint32_t number = facts.portNumber.value_or(1);
    const std::string digits = std::to_string(number);
    FUZZ_CHECK(port->compare(0, 3, "USB") == 0);
    FUZZ_CHECK(port->size() == 3 + std::max<size_t>(3, digits.size()));
    FUZZ_CHECK(port->find_first_not_of("0123456789", 3) == std::string::npos);
    FUZZ_CHECK(std::strtoull(port->c_str() + 3, nullptr, 10) == number);
    FUZZ_CHECK(*port == setup::UsbPortName(number));
}

void CheckArrival(const std::string& name) {
    int matches = 0;
    for (int model = 0; model < catalogue::kModelCount; ++model) {
        const char* instance = catalogue::UsbInstanceId[model];
        const bool arrival = setup::IsModelPrinterArrival(name, instance);
        // Both programs must recognise the same printer.
        FUZZ_CHECK(arrival == monitor::DeviceNameMatchesKey(name, monitor::UsbDeviceKey(instance)));
        if (arrival) {
            const std::string key = monitor::UsbDeviceKey(instance);
            FUZZ_CHECK(name.size() > 4 + key.size());
            FUZZ_CHECK(fuzz::EqualIgnoringCase(name.substr(4, key.size()), key));
        }
        matches += arrival;
    }
    FUZZ_CHECK(matches <= 1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t facts[kFactsSize] = {};
    std::memcpy(facts, data, std::min(size, kFactsSize));
    setup::UsbPortFacts read;
    if (facts[0] & 1)
        read.linked = fuzz::Read32(facts + 1);
    read.parametersOpened = (facts[0] & 2) != 0;
    if (facts[0] & 4)
        read.portNumber = fuzz::Read32(facts + 5);
    CheckPortName(read);
    CheckArrival(size > kFactsSize ? fuzz::Text(data + kFactsSize, size - kFactsSize) : std::string());
    return 0;
}
