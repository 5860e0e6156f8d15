// The driver open/start/install fallback as call sequences over a scripted system, including the
// access-denied path of a user without administrator rights, with every handle closed at the end.
#include "monitor/port/port_driver.h"

#include "fakes/fake_port_driver_system.h"

#include <gtest/gtest.h>

using namespace monitor;
using Calls = std::vector<std::string>;

TEST(PortDriver, OpenFallbackSequences) {
    struct Case {
        const char* what;
        void (*script)(FakePortDriverSystem&);
        bool open;
        Calls calls;
    };
    const Case cases[] = {
        {"device opens at once", [](FakePortDriverSystem& s) { s.deviceOpens = {true}; }, true, {"OpenDevice"}},
        {"service installed but stopped",
         [](FakePortDriverSystem& s) { s.deviceOpens = {false, true}; },
         true,
         {"OpenDevice", "OpenManager F003F", "OpenService 20000000", "StartService", "OpenDevice"}},
        {"not installed: install, start, open",
         [](FakePortDriverSystem& s) {
             s.deviceOpens = {false, true};
             s.serviceExists = false;
             s.createSucceeds = true;
         },
         true,
         {"OpenDevice", "OpenManager F003F", "OpenService 20000000", "WriteImage", "OpenManager F003F",
          "CreateService", "OpenManager F003F", "OpenService 20000000", "StartService", "OpenDevice"}},
        {"already running but the device will not open",
         [](FakePortDriverSystem& s) {
             s.deviceOpens = {false, false};
             s.startSucceeds = false; // 1056: already running
         },
         false,
         {"OpenDevice", "OpenManager F003F", "OpenService 20000000", "StartService", "WriteImage",
          "OpenManager F003F", "CreateService", "OpenManager F003F", "OpenService 20000000", "StartService",
          "OpenDevice"}},
        {"no administrator: read access still starts it",
         [](FakePortDriverSystem& s) {
             s.deviceOpens = {false, true};
             s.managerFullAccess = false;
             s.managerError = kErrorAccessDenied;
         },
         true,
         {"OpenDevice", "OpenManager F003F", "OpenManager 80000000", "OpenService 20000000", "StartService",
          "OpenDevice"}},
        {"manager unreachable for another reason",
         [](FakePortDriverSystem& s) {
             s.managerFullAccess = false;
             s.managerError = 1722;
         },
         false,
         {"OpenDevice", "OpenManager F003F", "WriteImage", "OpenManager F003F", "OpenManager F003F", "OpenDevice"}},
    };
    for (const Case& c : cases) {
        FakePortDriverSystem system;
        c.script(system);
        EXPECT_EQ(OpenPortDriver(system), c.open) << c.what;
        EXPECT_EQ(system.calls, c.calls) << c.what;
        EXPECT_EQ(system.openManagers, 0) << c.what;
        EXPECT_EQ(system.openServices, 0) << c.what;
    }
}

TEST(PortDriver, StartAnswers) {
    FakePortDriverSystem started;
    EXPECT_TRUE(StartPortDriver(started));

    FakePortDriverSystem missing;
    missing.serviceExists = false;
    EXPECT_FALSE(StartPortDriver(missing));

    FakePortDriverSystem deniedThenMissing;
    deniedThenMissing.managerFullAccess = false;
    deniedThenMissing.managerError = kErrorAccessDenied;
    deniedThenMissing.serviceExists = false;
    EXPECT_FALSE(StartPortDriver(deniedThenMissing));
    EXPECT_EQ(deniedThenMissing.openManagers, 0);

    FakePortDriverSystem deniedTwice;
    deniedTwice.managerFullAccess = false;
    deniedTwice.managerReadAccess = false;
    deniedTwice.managerError = kErrorAccessDenied;
    EXPECT_FALSE(StartPortDriver(deniedTwice));
    EXPECT_EQ(deniedTwice.calls, (Calls{"OpenManager F003F", "OpenManager 80000000"}));
}

TEST(PortDriver, InstallWithoutRightsStopsAfterTheImage) {
    FakePortDriverSystem system;
    system.imageWritable = false;
    system.managerFullAccess = false;
    system.managerError = kErrorAccessDenied;
    InstallPortDriver(system);
    EXPECT_EQ(system.calls, (Calls{"WriteImage", "OpenManager F003F"}));
}
