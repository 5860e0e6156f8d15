// Port kinds and the parallel-port tags, including the case-sensitive and mixed names.
#include "monitor/port/port_classification.h"

#include <gtest/gtest.h>

using namespace monitor;

TEST(PortClassification, Kinds) {
    struct Case {
        const char* port;
        const char* kind;
        PortAction action;
    } const cases[] = {
        {"LPT1:", "LPT", PortAction::SetUpParallelPort},  {"USB001", "USB", PortAction::StopParallelTimer},
        {"COM2:", "COM", PortAction::StopParallelTimer},  {"FILE:", "FILE:", PortAction::LeaveAsItIs},
        {"USB_LPT1", "LPT", PortAction::SetUpParallelPort}, {"lpt1:", "lpt1:", PortAction::LeaveAsItIs},
        {"usb001", "usb001", PortAction::LeaveAsItIs},    {"", "", PortAction::LeaveAsItIs},
        {"\\\\server\\COMPTA", "COM", PortAction::StopParallelTimer},
        {"L", "L", PortAction::LeaveAsItIs},
    };
    for (const Case& c : cases) {
        const PortClass result = ClassifyPort(c.port);
        EXPECT_EQ(result.kind, c.kind) << c.port;
        EXPECT_EQ(result.action, c.action) << c.port;
    }
}

TEST(PortClassification, LongNamesAreClassifiedByWhatTheyHold) {
    const std::string padding(197, 'x');
    EXPECT_EQ(ClassifyPort(padding + "LPT").action, PortAction::SetUpParallelPort);
    EXPECT_EQ(ClassifyPort(padding + "USB").kind, "USB");
    const std::string plain(200, 'x');
    EXPECT_EQ(ClassifyPort(plain).kind, plain);
    EXPECT_FALSE(LptDeviceTagFor(plain));
}

TEST(PortClassification, LptTags) {
    EXPECT_EQ(LptDeviceTagFor("LPT1:"), "(LPT1)");
    EXPECT_EQ(LptDeviceTagFor("LPT2:"), "(LPT2)");
    EXPECT_EQ(LptDeviceTagFor("LPT3:"), "(LPT3)");
    for (const char* other : {"LPT4:", "LPT1", "lpt1:", "LPT1:,LPT2:", ""})
        EXPECT_FALSE(LptDeviceTagFor(other)) << other;
}
