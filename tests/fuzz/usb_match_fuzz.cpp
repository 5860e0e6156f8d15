// Fuzzes the monitor's USB recognition with names it does not control: device-change event names (any
// letter case) against every model's key, and the interface paths SetupAPI lists at start-up.
#include "monitor/port/usb_match.h"

#include "catalogue/model_catalogue.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
constexpr size_t kPrefixLength = 4; // "\\?\"

// The documented rule, written out: after the prefix, the key in any case, then the name's last "#".
bool NamesKey(const std::string& name, const std::string& key) {
    if (name.size() < kPrefixLength + key.size() + 1)
        return false;
    const size_t hash = kPrefixLength + key.size();
    return fuzz::EqualIgnoringCase(name.substr(kPrefixLength, key.size()), key) && name[hash] == '#' &&
           name.find('#', hash + 1) == std::string::npos;
}

void CheckEventName(const std::string& name) {
    int matches = 0;
    for (int model = 0; model < catalogue::kModelCount; ++model) {
        const std::string key = monitor::UsbDeviceKey(catalogue::UsbInstanceId[model]);
        const bool match = monitor::DeviceNameMatchesKey(name, key);
        FUZZ_CHECK(match == NamesKey(name, key));
        matches += match;
    }
    // The instance ids differ even ignoring case, so one name is one model's printer at most.
    FUZZ_CHECK(matches <= 1);
}

// A name built from the key must match whatever the letter case and the class part after the last "#".
void CheckBuiltName(const uint8_t* data, size_t size) {
    if (size < 1)
        return;
    const int model = data[0] % catalogue::kModelCount;
    const std::string key = monitor::UsbDeviceKey(catalogue::UsbInstanceId[model]);
    std::string tail;
    for (size_t i = 1; i < size; ++i)
        if (data[i] != '#')
            tail.push_back(static_cast<char>(data[i]));
    const std::string name = "\\\\?\\" + fuzz::FlipCase(key, data + 1, size - 1) + "#" + tail;
    FUZZ_CHECK(monitor::DeviceNameMatchesKey(name, key));
}

// Lines are interface paths; "!" makes an index that fails; a last line "..." a list that never ends.
class LinesInterfaceList : public monitor::UsbInterfaceList {
public:
    explicit LinesInterfaceList(std::vector<std::string> lines) : m_lines(std::move(lines)) {
        m_endless = !m_lines.empty() && m_lines.back() == "...";
        if (m_endless)
            m_lines.pop_back();
    }
    Entry PathAt(uint32_t index, std::string& path) override {
        FUZZ_CHECK(!m_ended);
        FUZZ_CHECK(index == m_calls);
        ++m_calls;
        if (index >= m_lines.size()) {
            m_ended = !m_endless;
            return m_endless ? Entry::Failed : Entry::NoMoreItems;
        }
        const std::string& line = m_lines[index];
        if (!line.empty() && line[0] == '!')
            return Entry::Failed;
        path = line;
        return Entry::Path;
    }
    uint32_t Calls() const { return m_calls; }
    // Whether a listed path before the walk's bound is exactly the expected one.
    bool Lists(const std::string& expected) const {
        for (size_t i = 0; i < m_lines.size() && i < monitor::kMaxUsbInterfaceIndex; ++i)
            if (m_lines[i] == expected) // a path starts with "\\", never with "!"
                return true;
        return false;
    }

private:
    std::vector<std::string> m_lines;
    bool m_endless = false;
    bool m_ended = false;
    uint32_t m_calls = 0;
};

void CheckInterfaceWalk(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines = fuzz::Lines(data, size);
    for (int model = 0; model < catalogue::kModelCount; ++model) {
        const std::string expected = monitor::UsbPrinterPath(catalogue::UsbInstanceId[model]);
        LinesInterfaceList list(lines);
        const bool found = monitor::FindUsbPrinterPath(list, expected);
        FUZZ_CHECK(found == list.Lists(expected));
        FUZZ_CHECK(list.Calls() <= monitor::kMaxUsbInterfaceIndex);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckEventName(fuzz::Text(data, size));
    CheckBuiltName(data, size);
    CheckInterfaceWalk(data, size);
    return 0;
}
