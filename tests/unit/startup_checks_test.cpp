// The start-up checks as a table of (another copy, version, WOW64, administrator) cases: the first
// refusal in the fixed order wins, and only 32-bit Vista with administrator rights runs.
#include "setup/app/startup_checks.h"

#include <gtest/gtest.h>

using namespace setup;

TEST(StartupChecks, RefusalsInTheirOrder) {
    struct Case {
        const char* what;
        StartupFacts facts;
        std::optional<std::string> refusal;
    } const cases[] = {
        {"32-bit Vista, administrator", {false, 6, 0, false, true}, std::nullopt},
        {"second copy", {true, 6, 0, false, true}, std::string(kTextAlreadyRunning)},
        {"second copy on Windows 7, 64-bit, no rights", {true, 6, 1, true, false}, std::string(kTextAlreadyRunning)},
        {"Windows 7", {false, 6, 1, false, true}, std::string(kTextVistaOnly)},
        {"Windows XP", {false, 5, 1, false, true}, std::string(kTextVistaOnly)},
        {"Windows 2000 or a failed query", {false, 0, 0, false, true}, std::string(kTextVistaOnly)},
        {"version 7.0", {false, 7, 0, false, true}, std::string(kTextVistaOnly)},
        {"Windows 7 64-bit names the version", {false, 6, 1, true, true}, std::string(kTextVistaOnly)},
        {"64-bit Vista", {false, 6, 0, true, true}, std::string(kTextVista32Only)},
        {"64-bit Vista without rights", {false, 6, 0, true, false}, std::string(kTextVista32Only)},
        {"no administrator", {false, 6, 0, false, false}, std::string(kTextAdministrator)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartupRefusal(c.facts), c.refusal) << c.what;
}

TEST(StartupChecks, TheTwoVersionTextsDifferOnlyByABlank) {
    std::string withBlank = kTextVistaOnly;
    withBlank.erase(withBlank.find(" (32"), 1);
    EXPECT_EQ(withBlank, kTextVista32Only);
    EXPECT_NE(std::string(kTextAdministrator).find("\n"), std::string::npos);
}
