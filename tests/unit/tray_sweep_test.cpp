// The sweep grid: x outer, y inner, 5-pixel steps, y in the high word, nothing for an empty area.
#include "monitor/app/tray_sweep.h"

#include <gtest/gtest.h>

using monitor::SweepMouseMoveParams;

TEST(TraySweep, ToolbarOf200By40) {
    const auto params = SweepMouseMoveParams(200, 40);
    ASSERT_EQ(params.size(), 320u);
    EXPECT_EQ(params.front(), 0u);
    EXPECT_EQ(params[1], 5u * 65536u);             // y moves first
    EXPECT_EQ(params[7], 35u * 65536u);            // last y of the first column
    EXPECT_EQ(params[8], 5u);                      // then x = 5, y = 0
    EXPECT_EQ(params.back(), 35u * 65536u + 195u); // x = 195, y = 35
}

TEST(TraySweep, SizesThatAreNotMultiplesOfTheStep) {
    struct Case {
        long right, bottom;
        size_t count;
    } const cases[] = {
        {1, 1, 1}, {5, 5, 1}, {6, 5, 2}, {6, 6, 4}, {24, 24, 25}, {0, 40, 0}, {200, 0, 0}, {-5, 10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SweepMouseMoveParams(c.right, c.bottom).size(), c.count) << c.right << "x" << c.bottom;
}
