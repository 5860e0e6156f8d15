// The port list: texts with and without descriptions, the spooler's order kept, and the exact-name
// pre-selection of LPT1:.
#include "setup/app/port_list.h"

#include <gtest/gtest.h>

using namespace setup;

TEST(PortList, Texts) {
    EXPECT_EQ(PortListText({"LPT1:", std::string("Local Port")}), "LPT1: (Local Port)");
    EXPECT_EQ(PortListText({"USB001", std::string("Virtual printer port for USB")}),
              "USB001 (Virtual printer port for USB)");
    EXPECT_EQ(PortListText({"FILE:", std::nullopt}), "FILE: ()");
    EXPECT_EQ(PortListText({"COM1:", std::string()}), "COM1: ()");
}

TEST(PortList, Preselection) {
    const std::vector<SpoolerPort> spoolerOrder{{"COM1:", std::string("Local Port")},
                                                {"LPT1:", std::string("Local Port")},
                                                {"USB001", std::string("Virtual printer port for USB")}};
    EXPECT_EQ(PreselectedPort(spoolerOrder), 1u);
    EXPECT_EQ(PreselectedPort({{"lpt1:", std::nullopt}, {"LPT1", std::nullopt}, {"LPT2:", std::nullopt}}),
              std::nullopt);
    EXPECT_EQ(PreselectedPort({}), std::nullopt);
    EXPECT_EQ(PreselectedPort({{"LPT1:", std::nullopt}, {"LPT1:", std::nullopt}}), 0u); // the first one
}

TEST(PortList, OneAndTwoHundredCharacterNames) {
    const std::string longName(200, 'P');
    EXPECT_EQ(PortListText({"P", std::string("d")}), "P (d)");
    EXPECT_EQ(PortListText({longName, std::nullopt}), longName + " ()");
    EXPECT_EQ(PreselectedPort({{"L", std::nullopt}, {longName, std::nullopt}}), std::nullopt);
    EXPECT_EQ(PreselectedPort({{longName, std::nullopt}, {"LPT1:", std::nullopt}}), 1u);
}
