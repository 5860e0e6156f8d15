// The tip cycle: tip 0 at start, then 1 to 10 on ten shows, then 0 again and round once more.
#include "monitor/app/tip_cycle.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TipCycle, StartThenShowsCycleThroughAllTips) {
    monitor::TipCycle tips(11);
    std::vector<int> shown{tips.TakeFirst()};
    for (int i = 0; i < 23; ++i)
        shown.push_back(tips.TakeNext());
    const std::vector<int> expected{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1};
    EXPECT_EQ(shown, expected);
}

TEST(TipCycle, FirstShowWithoutStartIsTipZero) {
    monitor::TipCycle tips(11);
    EXPECT_EQ(tips.TakeNext(), 0);
    EXPECT_EQ(tips.TakeNext(), 1);
}
