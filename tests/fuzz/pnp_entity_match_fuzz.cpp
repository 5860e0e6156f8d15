// Fuzzes the WMI walk's matching on entity names and device ids the system reports: starting from an
// "(LPTn)" tag, the key only ever becomes the id of an entity whose name contains the key it had then.
#include "monitor/port/pnp_entity_match.h"

#include "monitor/port/port_classification.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Input: a digit choosing the LPT port, then lines alternating an entity's Name and its PNPDeviceID.
    if (size < 1)
        return 0;
    const std::string port = std::string("LPT") + static_cast<char>('1' + data[0] % 3) + ":";
    const std::optional<std::string> tag = monitor::LptDeviceTagFor(port);
    FUZZ_CHECK(tag.has_value());
    std::string key = *tag;

    const std::vector<std::string> lines = fuzz::Lines(data + 1, size - 1);
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        const std::string& name = lines[i];
        const std::string& id = lines[i + 1];
        const std::string before = key;
        monitor::ApplyPnpEntity(key, name, id);
        const bool contained = name.find(before) != std::string::npos;
        FUZZ_CHECK(key == (contained ? id : before));
    }
    return 0;
}
