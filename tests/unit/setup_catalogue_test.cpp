// The setup program's own version text differs from the monitor's; each program carries only its own.
#include "catalogue/setup_catalogue.h"
#include "catalogue/monitor_catalogue.h"

#include <gtest/gtest.h>

TEST(SetupCatalogue, VersionTextIsTheSetupPrograms) {
    EXPECT_STREQ(catalogue::setup::VersionText, "Version 2.01 (9W)");
    EXPECT_STRNE(catalogue::setup::VersionText, catalogue::monitor::VersionText);
}
