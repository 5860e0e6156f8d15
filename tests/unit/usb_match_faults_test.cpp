// The start-up walk over the USB printer interfaces with each index failing in turn (found by a
// recording walk), every index failing, and a failing index that still hands out the model's path.
#include "monitor/port/usb_match.h"

#include "fakes/fake_usb_interfaces.h"

#include <gtest/gtest.h>

using namespace monitor;

namespace {

const std::string kOurs = UsbPrinterPath("qrv-225voyg");
const std::string kOther = "\\\\?\\usb#vid_04b8&pid_0005#abc#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";

} // namespace

TEST(UsbMatchFaults, EachIndexFailingAlone) {
    struct Case {
        const char* what;
        std::vector<std::string> paths;
    } const cases[] = {
        {"ours after another", {kOther, kOurs, kOther}},
        {"ours absent", {kOther, kOther}},
    };
    for (const Case& c : cases) {
        FakeUsbInterfaces recording(c.paths);
        const bool present = FindUsbPrinterPath(recording, kOurs);
        for (size_t position = 0; position < recording.faults.made.size(); ++position) {
            FakeUsbInterfaces interfaces(c.paths);
            interfaces.faults.FailAt(position);
            // A failed index is skipped: only the failure of our own index hides the printer.
            const bool oursFailed = position < c.paths.size() && c.paths[position] == kOurs;
            EXPECT_EQ(FindUsbPrinterPath(interfaces, kOurs), present && !oursFailed)
                << c.what << " " << position;
            EXPECT_EQ(interfaces.faults.FailedCalls().size(), 1u) << c.what << " " << position;
            // The walk goes on past a failed index, up to the end of the list and no further.
            EXPECT_LE(interfaces.faults.made.size(), c.paths.size() + 2) << c.what << " " << position;
        }
    }
}

TEST(UsbMatchFaults, EveryIndexFailingEndsAtTheBound) {
    FakeUsbInterfaces interfaces({kOurs});
    interfaces.faults.FailEvery("PathAt");
    EXPECT_FALSE(FindUsbPrinterPath(interfaces, kOurs));
    EXPECT_EQ(interfaces.faults.made.size(), static_cast<size_t>(kMaxUsbInterfaceIndex));
}
