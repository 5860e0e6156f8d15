// Fuzzes the manual port dialog's list on the ports the spooler enumerates: one text per port that keeps
// the name and description whole, and the pre-selection of exactly "LPT1:".
#include "setup/app/port_list.h"

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One port a line: its name, then after the first tab its description; no tab, no description.
    std::vector<setup::SpoolerPort> ports;
    for (const std::string& line : fuzz::Lines(data, size)) {
        setup::SpoolerPort port;
        const size_t tab = line.find('\t');
        port.name = line.substr(0, tab);
        if (tab != std::string::npos)
            port.description = line.substr(tab + 1);
        ports.push_back(port);
    }

    for (const setup::SpoolerPort& port : ports) {
        const std::string text = setup::PortListText(port);
        const std::string description = port.description.value_or(std::string());
        FUZZ_CHECK(text.size() == port.name.size() + description.size() + 3);
        FUZZ_CHECK(text.compare(0, port.name.size(), port.name) == 0);
        FUZZ_CHECK(text.compare(port.name.size(), 2, " (") == 0);
        FUZZ_CHECK(text.compare(port.name.size() + 2, description.size(), description) == 0);
        FUZZ_CHECK(text.back() == ')');
    }

    const std::optional<size_t> preselected = setup::PreselectedPort(ports);
    const size_t first = preselected.value_or(ports.size());
    FUZZ_CHECK(first <= ports.size());
    if (preselected)
        FUZZ_CHECK(ports[first].name == "LPT1:");
    for (size_t i = 0; i < first; ++i)
        FUZZ_CHECK(ports[i].name != "LPT1:");
    return 0;
}
