// Fuzzes the sorting of the printer's port name, which the spooler reports: the kind follows the first of
// "LPT", "USB", "COM" the name contains (case-sensitive), and only "LPT1:" to "LPT3:" get a device tag.
#include "monitor/port/port_classification.h"

#include "tests/fuzz/fuzz_support.h"

namespace {
bool Contains(const std::string& text, const char* part) {
    const std::string wanted = part;
    for (size_t i = 0; i + wanted.size() <= text.size(); ++i)
        if (text.compare(i, wanted.size(), wanted) == 0)
            return true;
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name = fuzz::Text(data, size);
    const monitor::PortClass sorted = monitor::ClassifyPort(name);
    if (Contains(name, "LPT")) {
        FUZZ_CHECK(sorted.kind == "LPT" && sorted.action == monitor::PortAction::SetUpParallelPort);
    } else if (Contains(name, "USB")) {
        FUZZ_CHECK(sorted.kind == "USB" && sorted.action == monitor::PortAction::StopParallelTimer);
    } else if (Contains(name, "COM")) {
        FUZZ_CHECK(sorted.kind == "COM" && sorted.action == monitor::PortAction::StopParallelTimer);
    } else {
        FUZZ_CHECK(sorted.kind == name && sorted.action == monitor::PortAction::LeaveAsItIs);
    }

    const std::optional<std::string> tag = monitor::LptDeviceTagFor(name);
    const bool lptPort = name.size() == 5 && name.compare(0, 3, "LPT") == 0 && name[3] >= '1' &&
                         name[3] <= '3' && name[4] == ':';
    FUZZ_CHECK(tag.has_value() == lptPort);
    if (tag) {
        FUZZ_CHECK(*tag == "(" + name.substr(0, 4) + ")");
        FUZZ_CHECK(sorted.action == monitor::PortAction::SetUpParallelPort);
    }
    return 0;
}
