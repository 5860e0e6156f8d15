// Every platform call of an uninstallation made to fail in turn (found by a recording run): what is
// reported, what stays, that every other step still ran, and that a second run removes what was left.
#include "kit/uninstall/uninstaller.h"

#include "fakes/fake_uninstall_system.h"
#include "kit/uninstall/removal_names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace uninstall;

namespace {

const std::string kName = "QRV KDP 225 Voyager";
const std::string kCopy = kName + " (Copy 1)";
const char kId[] = "KDP225VOYG";
const std::string kRunValue = "QRVEKDP225VOYG";
const std::string kStm = "C:\\windows\\system32\\spool\\drivers\\w32x86\\STM";
const std::string kMonitor = kStm + "\\KDP225VOYG.exe";
const std::string kMenu = "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics";
const std::string kShortcut = kMenu + "\\StatusMonitorKDP225VOYG.LNK";
const std::string kDriver = "the driver";
const std::string kEntry = "the uninstall entry";

// What a setup of the model leaves, next to a printer and a start-up value of another model.
void Installed(FakeUninstallSystem& system) {
    system.printers = {"Other", kName, kCopy};
    system.driverUsers = {kName, kCopy};
    system.runValues = {kRunValue, "QRVEPROZ700"};
    system.files = {kMonitor, kShortcut};
    system.folders = {kStm, kMenu};
}

// What of the model's installation is still there, named as the calls name it.
std::set<std::string> Remaining(const FakeUninstallSystem& system) {
    std::set<std::string> left(system.files.begin(), system.files.end());
    left.insert(system.folders.begin(), system.folders.end());
    for (const std::string& printer : system.printers) {
        if (printer != "Other")
            left.insert(printer);
    }
    if (system.driverInstalled)
        left.insert(kDriver);
    if (system.runValues.count(kRunValue))
        left.insert(kRunValue);
    if (system.uninstallKey)
        left.insert(kEntry);
    return left;
}

struct Expected {
    std::vector<std::string> leftovers; // as reported, in order
    std::set<std::string> remaining;
};

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

// A failing call leaves its own thing, and what needs it: the printers hold the driver (in use, which is
// no failure), a file its folder (not empty, no failure either). The shortcut's drive comes from the
// Programs folder or else from Windows, both C: here, so either failing alone changes nothing.
void Add(Expected& expected, const PlatformCall& call) {
    const std::string error = " (error 5)";
    auto leave = [&expected](const std::string& leftover, std::set<std::string> remaining) {
        expected.leftovers.push_back(leftover);
        expected.remaining.insert(remaining.begin(), remaining.end());
    };
    if (call.kind == "EndProgramOfWindow")
        leave("the running status monitor \"" + kName + " - Status Monitor\"", {});
    else if (call.kind == "LocalPrinters")
        leave("the list of printers" + error, {kName, kCopy, kDriver});
    else if (call.kind == "RemovePrinter")
        leave("the printer \"" + call.detail + "\"" + error, {call.detail, kDriver});
    else if (call.kind == "RemovePrinterDriver")
        leave("the printer driver \"" + kName + "\"" + error, {kDriver});
    else if (call.kind == "DriverDirectory")
        leave("the status monitor's files (no printer driver directory)", {kMonitor, kStm});
    else if (call.kind == "RemoveRunValue")
        leave("the start-up entry \"" + kRunValue + "\"" + error, {kRunValue});
    else if (call.kind == "RemoveFile")
        leave(call.detail + error, {call.detail, FolderOf(call.detail)});
    else if (call.kind == "RemoveEmptyFolder")
        leave(call.detail + error, {call.detail});
    else if (call.kind == "RemoveUninstallKey")
        leave(std::string("the uninstall entry ") + kUninstallKey + error, {kEntry});
}

struct Outcome {
    int exit;
    std::vector<std::string> leftovers;
};

Outcome Uninstall(FakeUninstallSystem& system) {
    CUninstaller uninstaller(system, ModelNames{kName, kId}, false);
    const int exit = uninstaller.Run();
    return {exit, uninstaller.Leftovers()};
}

std::vector<PlatformCall> RecordedRun() {
    FakeUninstallSystem system;
    Installed(system);
    Uninstall(system);
    return system.faults.made;
}

void ExpectRun(FakeUninstallSystem& system, const Outcome& run, const Expected& expected,
               const std::string& label) {
    EXPECT_EQ(run.leftovers, expected.leftovers) << label;
    EXPECT_EQ(Remaining(system), expected.remaining) << label;
    const bool complete = expected.leftovers.empty();
    EXPECT_EQ(run.exit, complete ? kExitRemoved : kExitIncomplete) << label;
    ASSERT_EQ(system.messages.size(), 1u) << label;
    EXPECT_EQ(system.messages[0].warning, !complete) << label;
    EXPECT_EQ(system.messages[0].text, complete ? DoneText(kName) : IncompleteText(kName, expected.leftovers))
        << label;
    EXPECT_EQ(system.printers.front(), "Other") << label;
    EXPECT_EQ(system.runValues.count("QRVEPROZ700"), 1u) << label;
}

void ExpectSecondRunRemovesTheRest(FakeUninstallSystem& system, const std::string& label) {
    system.faults.Reset();
    system.messages.clear();
    const Outcome second = Uninstall(system);
    ExpectRun(system, second, Expected{}, label + ", second run");
}

} // namespace

TEST(UninstallerFaults, EachCallFailingAlone) {
    const std::vector<PlatformCall> recorded = RecordedRun();
    for (size_t position = 0; position < recorded.size(); ++position) {
        const PlatformCall& call = recorded[position];
        if (!call.fallible)
            continue;
        FakeUninstallSystem system;
        Installed(system);
        const std::set<std::string> installed = Remaining(system);
        system.faults.FailAt(position);
        const Outcome run = Uninstall(system);
        const std::vector<PlatformCall> failed = system.faults.FailedCalls();
        ASSERT_EQ(failed.size(), 1u) << call.Label();
        EXPECT_EQ(failed[0].Label(), call.Label());
        if (call.kind == "AskYesNo") {
            // A question that cannot be asked is no Yes: nothing is touched, nothing reported.
            EXPECT_EQ(run.exit, kExitDeclined);
            EXPECT_EQ(system.faults.made.size(), 1u);
            EXPECT_TRUE(system.messages.empty());
            EXPECT_EQ(Remaining(system), installed);
        } else {
            Expected expected;
            Add(expected, call);
            ExpectRun(system, run, expected, call.Label());
        }
        ExpectSecondRunRemovesTheRest(system, call.Label());
    }
}

TEST(UninstallerFaults, EveryCallOfOneKindFailing) {
    const std::vector<PlatformCall> recorded = RecordedRun();
    std::map<std::string, std::vector<PlatformCall>> byKind;
    for (const PlatformCall& call : recorded) {
        if (call.fallible && call.kind != "AskYesNo")
            byKind[call.kind].push_back(call);
    }
    for (const auto& [kind, calls] : byKind) {
        FakeUninstallSystem system;
        Installed(system);
        system.faults.FailEvery(kind);
        const Outcome run = Uninstall(system);
        Expected expected;
        for (const PlatformCall& call : calls)
            Add(expected, call);
        EXPECT_EQ(system.faults.FailedCalls().size(), calls.size()) << kind;
        ExpectRun(system, run, expected, "every " + kind);
        ExpectSecondRunRemovesTheRest(system, "every " + kind);
    }
}
