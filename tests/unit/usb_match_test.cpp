// USB recognition: event names in any case, names too short or without "#", and the start-up walk
// over a fake interface list.
#include "monitor/port/usb_match.h"

#include <gtest/gtest.h>

#include <vector>

using namespace monitor;

TEST(UsbMatch, KeysAndPaths) {
    EXPECT_EQ(UsbDeviceKey("qrv-225voyg"), "USB#VID_6A2F&PID_1101#qrv-225voyg");
    EXPECT_EQ(UsbPrinterPath("qrv-225voyg"),
              "\\\\?\\usb#vid_6a2f&pid_1101#qrv-225voyg#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}");
}

TEST(UsbMatch, DeviceEventNames) {
    const std::string key = UsbDeviceKey("qrv-225voyg");
    struct Case {
        const char* name;
        bool matches;
    } const cases[] = {
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {"\\\\?\\usb#vid_6a2f&pid_1101#QRV-225VOYG#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#", true},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", false},
        {"\\\\?\\USB#VID_6A2F&PID_1102#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", false},
        {"\\\\?\\USB#VID_046D&PID_C52B#5&2b1d4a&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", false},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg", false}, // the last "#" cuts inside the key
        {"\\\\?\\USB", false},                                 // no "#" at all
        {"", false},
        {"#", false},
        {"\\\\?", false},
        {"\\\\?\\", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeviceNameMatchesKey(c.name, key), c.matches) << c.name;
}

namespace {

class FakeInterfaces : public UsbInterfaceList {
public:
    explicit FakeInterfaces(std::vector<std::pair<Entry, std::string>> entries) : m_entries(std::move(entries)) {}
    Entry PathAt(uint32_t index, std::string& path) override {
        ++calls;
        if (index >= m_entries.size())
            return m_endless ? Entry::Failed : Entry::NoMoreItems;
        path = m_entries[index].second;
        return m_entries[index].first;
    }
    void NeverEnd() { m_endless = true; }
    uint32_t calls = 0;

private:
    std::vector<std::pair<Entry, std::string>> m_entries;
    bool m_endless = false;
};

using Entry = UsbInterfaceList::Entry;

} // namespace

TEST(UsbMatch, StartUpWalk) {
    const std::string ours = UsbPrinterPath("qrv-225voyg");
    const std::string other = "\\\\?\\usb#vid_04b8&pid_0005#abc#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
    std::string upper = ours;
    upper[10] = 'V'; // "vid" in another case: the start-up comparison is exact

    struct Case {
        const char* what;
        std::vector<std::pair<Entry, std::string>> entries;
        bool present;
    } const cases[] = {
        {"none", {}, false},
        {"ours alone", {{Entry::Path, ours}}, true},
        {"ours first", {{Entry::Path, ours}, {Entry::Path, other}}, true},
        {"ours second", {{Entry::Path, other}, {Entry::Path, ours}}, true},
        {"other case", {{Entry::Path, upper}}, false},
        {"a failed index is skipped", {{Entry::Failed, ""}, {Entry::Path, ours}}, true},
        {"only another printer", {{Entry::Path, other}}, false},
    };
    for (const Case& c : cases) {
        FakeInterfaces list(c.entries);
        EXPECT_EQ(FindUsbPrinterPath(list, ours), c.present) << c.what;
    }
}

TEST(UsbMatch, WalkStopsAtTheMatchAndIsBounded) {
    FakeInterfaces first({{Entry::Path, UsbPrinterPath("qrv-225voyg")}, {Entry::Path, "x"}});
    EXPECT_TRUE(FindUsbPrinterPath(first, UsbPrinterPath("qrv-225voyg")));
    EXPECT_EQ(first.calls, 1u);

    FakeInterfaces endless({});
    endless.NeverEnd();
    EXPECT_FALSE(FindUsbPrinterPath(endless, "y"));
    EXPECT_EQ(endless.calls, kMaxUsbInterfaceIndex);
}
