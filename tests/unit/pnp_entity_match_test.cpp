// The WMI walk's matching over a sequence of entities.
#include "monitor/port/pnp_entity_match.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using monitor::ApplyPnpEntity;

namespace {
std::string Walk(std::string key, const std::vector<std::pair<std::string, std::string>>& entities) {
    for (const auto& [name, id] : entities)
        ApplyPnpEntity(key, name, id);
    return key;
}
} // namespace

TEST(PnpEntityMatch, Walks) {
    const std::pair<std::string, std::string> ecp{"ECP Printer Port (LPT1)", "ACPI\\PNP0401\\4&1D401FB5&0"};
    const std::pair<std::string, std::string> mouse{"PS/2 Compatible Mouse", "ACPI\\PNP0F13\\4&1D401FB5&0"};
    const std::pair<std::string, std::string> second{"Printer Port (LPT1)", "ROOT\\PORTS\\0001"};
    const std::pair<std::string, std::string> lpt2{"Printer Port (LPT2)", "ROOT\\PORTS\\0002"};

    EXPECT_EQ(Walk("(LPT1)", {mouse, ecp, lpt2}), ecp.second);
    EXPECT_EQ(Walk("(LPT1)", {ecp, second}), ecp.second); // the second is tested against the new key
    EXPECT_EQ(Walk("(LPT2)", {ecp, lpt2}), lpt2.second);
    EXPECT_EQ(Walk("(LPT1)", {mouse}), "(LPT1)");       // nothing found: the tag stays
    EXPECT_EQ(Walk("(lpt1)", {ecp}), "(lpt1)");         // case-sensitive
    EXPECT_EQ(Walk("", {mouse, ecp}), mouse.second);    // an empty key takes the first entity
}
