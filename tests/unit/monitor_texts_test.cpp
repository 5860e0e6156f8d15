// The monitor's composed texts, and that a name with format characters stays as it is.
#include "monitor/app/monitor_texts.h"

#include <gtest/gtest.h>

using namespace monitor;

TEST(MonitorTexts, ComposedFromTheDisplayName) {
    EXPECT_EQ(WindowCaption("QRV KDP 225 Voyager"), "QRV KDP 225 Voyager - Status Monitor");
    EXPECT_EQ(TrayShowItemText("QRV KDP 225 Voyager"), "QRV KDP 225 Voyager Status Monitor");
    EXPECT_EQ(NotInstalledMessage("QRV KDP 225 Voyager"), "QRV KDP 225 Voyager not installed.");
    EXPECT_EQ(NotInstalledMessage("100% %s"), "100% %s not installed.");
}

TEST(MonitorTexts, TrayTipFitsTheIconRecord) {
    EXPECT_STREQ(kTrayTip, "QRV-E Status Monitor Utility");
    EXPECT_LT(sizeof(kTrayTip), 64u); // the 64-byte tip field, zero included
}
