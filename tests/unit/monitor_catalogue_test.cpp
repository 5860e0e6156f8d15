// The monitor-only columns: lock names with their single backslash, the version text and the tips,
// whose en dash must stay byte 0x96.
#include "catalogue/monitor_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace catalogue;
using namespace catalogue::monitor;

TEST(MonitorCatalogue, VoyagerMutexAndVersion) {
    EXPECT_STREQ(MonitorMutexName[13], "Global\\{360E9EDD-2DD1-49f1-9E6A-71C4941CCD0B}");
    EXPECT_STREQ(MonitorMutexName[14], "Global\\{420DC2FE-56CC-4b10-AC57-B6855E415582}");
    EXPECT_STREQ(VersionText, "Ver 2.01 (9W)");
}

TEST(MonitorCatalogue, EveryMutexNameIsGlobalWellFormedAndDistinct) {
    std::set<std::string> names;
    for (int i = 0; i < kModelCount; ++i) {
        SCOPED_TRACE(i);
        const std::string name = MonitorMutexName[i];
        ASSERT_EQ(name.size(), 45u); // "Global\" and a braced GUID
        EXPECT_EQ(name.compare(0, 8, "Global\\{"), 0);
        EXPECT_EQ(name.back(), '}');
        EXPECT_EQ(name.find('\\', 7), std::string::npos);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kModelCount));
}

TEST(MonitorCatalogue, CautionTipsCarryTheEnDashByte) {
    for (int i : {5, 6}) {
        SCOPED_TRACE(i);
        const std::string tip = Tips[i];
        EXPECT_EQ(tip.compare(0, 10, "Caution \x96 "), 0);
        EXPECT_EQ(tip.find('-'), std::string::npos);
    }
    EXPECT_STREQ(Tips[5], "Caution \x96 Do not rotate the platen knob while printer is switched ON.");
}

TEST(MonitorCatalogue, FirstAndLastTips) {
    EXPECT_STREQ(Tips[0],
                 "In case of \"Printer Fonts\" set font size as 10 for better throughput and speed.");
    EXPECT_STREQ(Tips[kTipCount - 1], "Use QRV Ink bank to recharge your ribbon cassette.");
    for (int i = 0; i < kTipCount; ++i)
        EXPECT_GT(std::string(Tips[i]).size(), 20u) << i;
}
