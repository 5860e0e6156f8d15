// The port-change check: the registry's record first, the spooler when it is unreadable, and never a
// change just because neither can be read; the first string of a value of any length.
#include "monitor/port/port_change.h"

#include <gtest/gtest.h>

using monitor::FirstStringOf;
using monitor::PortNameChanged;

TEST(PortChange, Decision) {
    using Opt = std::optional<std::string>;
    struct Case {
        Opt registry, spooler;
        const char* port;
        bool changed;
    } const cases[] = {
        {Opt("LPT1:"), Opt("LPT1:"), "LPT1:", false},
        {Opt("USB001"), Opt("LPT1:"), "LPT1:", true}, // the record decides when it can be read
        {Opt("lpt1:"), std::nullopt, "LPT1:", true},  // case-sensitive
        {std::nullopt, Opt("COM1:"), "COM1:", false}, // Wine keeps no record: ask the spooler
        {std::nullopt, Opt("COM2:"), "COM1:", true},
        {std::nullopt, std::nullopt, "LPT1:", false}, // unknown is no change
        {Opt(""), std::nullopt, "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortNameChanged(c.registry, c.spooler, c.port), c.changed) << c.port;
}

TEST(PortChange, FirstStringOfAnyLength) {
    const char multi[] = "LPT1:\0LPT2:\0";
    EXPECT_EQ(FirstStringOf(multi, sizeof(multi)), "LPT1:");
    EXPECT_EQ(FirstStringOf("COM1:", 5), "COM1:"); // no terminator stored
    EXPECT_EQ(FirstStringOf("", 0), "");
    EXPECT_EQ(FirstStringOf(nullptr, 4), "");
    // A recorded name of every length up to 300, stored with and without its terminators.
    for (size_t length = 0; length <= 300; ++length) {
        const std::string name(length, 'N');
        const std::string stored = name + std::string("\0\0", 2);
        EXPECT_EQ(FirstStringOf(stored.data(), stored.size()), name) << length;
        EXPECT_EQ(FirstStringOf(name.data(), name.size()), name) << length;
        EXPECT_FALSE(PortNameChanged(name, std::nullopt, name)) << length;
    }
}
