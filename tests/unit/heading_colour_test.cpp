// The heading colour rule: blue only for the exact headings "Ready" and "Printing".
#include "monitor/app/heading_colour.h"

#include <gtest/gtest.h>

using namespace monitor;

TEST(HeadingColour, ColourByHeading) {
    struct Case {
        const char* heading;
        uint32_t colour;
    } const cases[] = {
        {"Ready", kGoodHeadingColour},
        {"Printing", kGoodHeadingColour},
        {"Searching", kOtherHeadingColour},
        {"Paper-Out Error", kOtherHeadingColour},
        {"No Printer Found", kOtherHeadingColour},
        {"ready", kOtherHeadingColour},
        {"Ready ", kOtherHeadingColour},
        {"Printing...", kOtherHeadingColour},
        {"", kOtherHeadingColour},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadingTextColour(c.heading), c.colour) << '"' << c.heading << '"';
}

TEST(HeadingColour, ColoursAreColorrefValues) {
    EXPECT_EQ(kGoodHeadingColour, 0x00FF0000u);  // RGB(0, 0, 255)
    EXPECT_EQ(kOtherHeadingColour, 0x0099A8ACu); // RGB(172, 168, 153)
}
