// Every platform call of the driver's open/start/install fallback made to fail in turn, on machines in
// each state the monitor meets: whether the device still opens, every handle closed, a second try heals.
#include "monitor/port/port_driver.h"

#include "fakes/simulated_port_driver_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace monitor;

namespace {

constexpr uint32_t kRpcUnavailable = 1722; // a manager refusal other than access denied

struct Machine {
    const char* what;
    bool administrator;
    bool imageWritten;
    bool serviceInstalled;
    bool serviceRunning;
    // The calls (kind#n) whose failure leaves the device closed: those no later step of the fallback
    // repeats. Any other single failure is made good by the start or installation that follows.
    std::set<std::string> fatal;
};

const Machine kMachines[] = {
    {"driver running", true, true, true, true, {}},
    {"service stopped", true, true, true, false, {"OpenDevice#2"}},
    {"not installed",
     true,
     false,
     false,
     false,
     {"WriteDriverImage#1", "OpenManager#2", "CreateDriverService#1", "OpenManager#3", "OpenDriverService#2",
      "StartDriverService#1", "OpenDevice#2"}},
    {"service stopped, no administrator", false, true, true, false, {"OpenDevice#2"}},
};

void Prepare(SimulatedPortDriverSystem& system, const Machine& machine) {
    system.administrator = machine.administrator;
    system.imageWritten = machine.imageWritten;
    system.serviceInstalled = machine.serviceInstalled;
    system.serviceRunning = machine.serviceRunning;
    system.faults.error = kRpcUnavailable;
}

std::string KindAndOccurrence(const PlatformCall& call) {
    return call.kind + "#" + std::to_string(call.occurrence);
}

// The answer is the device's state, and no manager or service handle outlives the call.
void ExpectConsistent(const SimulatedPortDriverSystem& system, bool open, const std::string& label) {
    EXPECT_EQ(open, system.deviceOpen) << label;
    EXPECT_FALSE(system.managerOpen) << label;
    EXPECT_FALSE(system.serviceOpen) << label;
    EXPECT_EQ(system.servicesWithoutManager, 0) << label;
}

void ExpectSecondTryOpens(SimulatedPortDriverSystem& system, const std::string& label) {
    system.faults.Reset();
    const bool open = OpenPortDriver(system);
    EXPECT_TRUE(open) << label << ", second try";
    EXPECT_TRUE(system.serviceRunning) << label << ", second try";
    ExpectConsistent(system, open, label + ", second try");
}

} // namespace

TEST(PortDriverFaults, EachCallFailingAlone) {
    for (const Machine& machine : kMachines) {
        SimulatedPortDriverSystem recording;
        Prepare(recording, machine);
        ASSERT_TRUE(OpenPortDriver(recording)) << machine.what;
        const std::vector<PlatformCall> recorded = recording.faults.made;
        std::set<std::string> seen;
        for (size_t position = 0; position < recorded.size(); ++position) {
            const PlatformCall& call = recorded[position];
            seen.insert(KindAndOccurrence(call));
            if (!call.fallible)
                continue;
            const std::string label = std::string(machine.what) + ": " + call.Label();
            SimulatedPortDriverSystem system;
            Prepare(system, machine);
            system.faults.FailAt(position);
            const bool open = OpenPortDriver(system);
            const std::vector<PlatformCall> failed = system.faults.FailedCalls();
            ASSERT_EQ(failed.size(), 1u) << label;
            EXPECT_EQ(failed[0].Label(), call.Label()) << label;
            EXPECT_EQ(open, machine.fatal.count(KindAndOccurrence(call)) == 0) << label;
            ExpectConsistent(system, open, label);
            ExpectSecondTryOpens(system, label);
        }
        for (const std::string& fatal : machine.fatal)
            EXPECT_EQ(seen.count(fatal), 1u) << machine.what << ": " << fatal << " is never called";
    }
}

TEST(PortDriverFaults, EveryCallOfOneKindFailingOnAMachineWithoutTheDriver) {
    const Machine& bare = kMachines[2];
    SimulatedPortDriverSystem recording;
    Prepare(recording, bare);
    ASSERT_TRUE(OpenPortDriver(recording));
    std::set<std::string> kinds;
    for (const PlatformCall& call : recording.faults.made) {
        if (call.fallible)
            kinds.insert(call.kind);
    }
    // Every kind the fresh installation makes is needed, so none can fail throughout.
    for (const std::string& kind : kinds) {
        SimulatedPortDriverSystem system;
        Prepare(system, bare);
        system.faults.FailEvery(kind);
        const bool open = OpenPortDriver(system);
        EXPECT_FALSE(open) << kind;
        EXPECT_LE(system.faults.made.size(), recording.faults.made.size()) << kind; // no extra attempts
        ExpectConsistent(system, open, "every " + kind);
        ExpectSecondTryOpens(system, "every " + kind);
    }
}

TEST(PortDriverFaults, AccessDeniedOnTheFullManagerFallsBackToReadAccess) {
    // The n-th manager open (each a full-access one) refused as for a user without rights: read access
    // still starts the service the installation just created, so only the installation's own open is fatal.
    const std::map<int, bool> opensWhenNthDenied = {{1, true}, {2, false}, {3, true}};
    for (const auto& [n, opens] : opensWhenNthDenied) {
        SimulatedPortDriverSystem system;
        Prepare(system, kMachines[2]);
        system.faults.error = kErrorAccessDenied;
        system.faults.FailNth("OpenManager", n);
        const bool open = OpenPortDriver(system);
        EXPECT_EQ(open, opens) << n;
        ExpectConsistent(system, open, "OpenManager#" + std::to_string(n) + " denied");
        ExpectSecondTryOpens(system, "OpenManager#" + std::to_string(n) + " denied");
    }
}
