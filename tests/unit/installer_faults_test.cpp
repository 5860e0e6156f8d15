// Every platform call of an installation made to fail in turn (found by a recording run), then a second
// installation on what the first left: the report, the steps that still ran, the uninstall key closed.
#include "setup/install/installer.h"

#include "fakes/fake_installer_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace setup;

namespace {

const ModelNames kVoyager{"QRV KDP 225 Voyager", "QRVKDP225VOYG",  "KDP225VOYG",
                          "QRVEKDP225VOYG.INF",  "KDP225VOYG.GPD", "NA"};
const std::string kDir = "C:\\windows\\system32\\spool\\drivers\\w32x86";
const std::string kFull = kVoyager.displayName + kTextDriverAndMonitor;
const std::string kDriverOnly = kVoyager.displayName + kTextDriverOnly;
const std::map<std::string, std::string> kCompleteEntry = {
    {"DisplayName", "QRV Electronics Printer Software"},
    {"UninstallString", kDir + "\\Uninstall.exe"},
    {"DisplayIcon", kDir + "\\Uninstall.exe"}};

void Install(FakeInstallerSystem& system) {
    CInstaller installer(system, kVoyager);
    installer.m_strPort = "LPT1:";
    installer.Install();
    installer.ReportResult();
}

std::vector<PlatformCall> RecordedRun() {
    FakeInstallerSystem system;
    Install(system);
    return system.faults.made;
}

std::vector<std::string> Labels(const std::vector<PlatformCall>& calls) {
    std::vector<std::string> labels;
    for (const PlatformCall& call : calls)
        labels.push_back(call.Label());
    return labels;
}

// What a failing call does to the installation: its report, and which later steps still ran (the
// printer made the default, the monitor started, the INF handed on, the uninstall key asked for).
struct Effect {
    std::string report;
    uint32_t box;
    bool printer;
    bool monitor;
    bool inf;
    bool entry;
};

// The directory, the driver and the printer each stop the installation with their own error; the
// monitor's folder and copy cost the monitor only; the second directory query costs the INF only. Any
// other call (start-up value, shortcut, default printer, INF, uninstall entry, and any call added later)
// is read as silent: the full success is reported and every other step runs.
Effect EffectOf(const PlatformCall& call) {
    static const std::map<std::string, Effect> effects = {
        {"GetDriverDirectory#1", {kErrorDirectory, kBoxError, false, false, false, false}},
        {"AddPrinterDriver#1", {kErrorDriver, kBoxError, false, false, false, false}},
        {"AddPrinter#1", {kErrorPrinter, kBoxError, false, false, false, false}},
        {"CreateFolderWithParents#1", {kDriverOnly, kBoxInformation, true, false, true, true}},
        {"CopyFileIntoFolder#1", {kDriverOnly, kBoxInformation, true, false, true, true}},
        {"GetDriverDirectory#2", {kFull, kBoxInformation, true, true, false, true}},
    };
    const auto found = effects.find(call.kind + "#" + std::to_string(call.occurrence));
    return found != effects.end() ? found->second : Effect{kFull, kBoxInformation, true, true, true, true};
}

// Whatever failed, the wait cursor is back and the uninstall key was opened, written and closed in order.
void ExpectResourcesReleased(const FakeInstallerSystem& system, const std::string& label) {
    EXPECT_EQ(system.cursorDepth, 0) << label;
    EXPECT_FALSE(system.uninstallKeyOpen) << label;
    EXPECT_EQ(system.uninstallKeyMisuses, 0) << label;
}

void ExpectFirstRun(const FakeInstallerSystem& system, const Effect& effect, const std::string& label) {
    EXPECT_EQ(system.messages, (std::vector<std::pair<std::string, uint32_t>>{{effect.report, effect.box}}))
        << label;
    EXPECT_EQ(system.faults.Made("SetDefaultPrinter"), effect.printer) << label;
    EXPECT_EQ(system.faults.Made("StartProgram"), effect.monitor) << label;
    EXPECT_EQ(system.faults.Made("CopyOemInf"), effect.inf) << label;
    EXPECT_EQ(system.faults.Made("OpenUninstallKey"), effect.entry) << label;
    ExpectResourcesReleased(system, label);
}

// A second installation with nothing failing reports success and leaves a complete uninstall entry. A
// printer the first one added makes this one a copy, which leaves the monitor alone by design: what the
// first run failed to do for the monitor stays undone.
void ExpectSecondRunSucceeds(FakeInstallerSystem& system, const std::string& label) {
    const bool nameTaken = system.existingPrinters.count(kVoyager.displayName) != 0;
    system.faults.Reset();
    system.messages.clear();
    Install(system);
    const std::string report = nameTaken ? kVoyager.displayName + " (Copy 1)" + kTextDriverOnly : kFull;
    EXPECT_EQ(system.messages, (std::vector<std::pair<std::string, uint32_t>>{{report, kBoxInformation}}))
        << label << ", second run";
    EXPECT_EQ(system.uninstallValues, kCompleteEntry) << label << ", second run";
    ASSERT_FALSE(system.infs.empty()) << label;
    EXPECT_EQ(system.infs.back(), kDir + "\\QRVEKDP225VOYG.INF") << label << ", second run";
    ExpectResourcesReleased(system, label + ", second run");
}

} // namespace

TEST(InstallerFaults, RecordedRunCallsEveryStep) {
    // The loops below fail what this run makes; a path that no longer reaches a step would shrink them.
    const std::vector<PlatformCall> calls = RecordedRun();
    for (const char* kind : {"GetDriverDirectory", "AddPrinterDriver", "AddPrinter", "SetDefaultPrinter",
                             "CreateFolderWithParents", "CopyFileIntoFolder", "SetRunValue",
                             "ReadProgramsFolder", "CreateFolder", "CreateShortcut", "StartProgram",
                             "CopyOemInf", "OpenUninstallKey", "SetUninstallValue", "CloseUninstallKey"}) {
        EXPECT_NE(
            std::find_if(calls.begin(), calls.end(), [&](const PlatformCall& c) { return c.kind == kind; }),
            calls.end())
            << kind;
    }
}

TEST(InstallerFaults, EachCallFailingAlone) {
    const std::vector<PlatformCall> recorded = RecordedRun();
    for (size_t position = 0; position < recorded.size(); ++position) {
        if (!recorded[position].fallible)
            continue;
        const std::string label = recorded[position].Label();
        FakeInstallerSystem system;
        system.faults.FailAt(position);
        Install(system);
        EXPECT_EQ(Labels(system.faults.FailedCalls()), std::vector<std::string>{label});
        ExpectFirstRun(system, EffectOf(recorded[position]), label);
        ExpectSecondRunSucceeds(system, label);
    }
}

TEST(InstallerFaults, EveryCallOfOneKindFailing) {
    const std::vector<PlatformCall> recorded = RecordedRun();
    std::map<std::string, const PlatformCall*> firstOfKind;
    for (const PlatformCall& call : recorded) {
        if (call.fallible)
            firstOfKind.insert({call.kind, &call});
    }
    for (const auto& [kind, first] : firstOfKind) {
        FakeInstallerSystem system;
        system.faults.FailEvery(kind);
        Install(system);
        // The first failure decides; a repeated call (directory, uninstall values) fails every time.
        ExpectFirstRun(system, EffectOf(*first), "every " + kind);
        ExpectSecondRunSucceeds(system, "every " + kind);
    }
}

TEST(InstallerFaults, NthAddPrinterFailing) {
    const std::string copy1 = kVoyager.displayName + " (Copy 1)";
    const std::string copy2 = kVoyager.displayName + " (Copy 2)";
    struct Case {
        const char* what;
        int unknownPortAnswers; // scripted "unknown port" answers before the port exists
        bool nameTaken;         // a first installation's printer exists
        int n;
        uint32_t error;
        std::string printer; // installed and made the default; empty when none
        int waits;
        std::vector<std::string> messages;
    };
    const uint32_t exists = kErrorPrinterAlreadyExists;
    const uint32_t noDriver = kErrorUnknownPrinterDriver;
    const uint32_t noPort = kErrorUnknownPort;
    const std::vector<std::string> driverUnknown = {kPrinterDriverUnknown, kErrorPrinter};
    const Case cases[] = {
        {"name taken, first call refused", 0, true, 1, 5, "", 0, {kErrorPrinter}},
        {"name taken, copy name refused", 0, true, 2, 5, "", 0, {kErrorPrinter}},
        {"copy name taken meanwhile", 0, true, 2, exists, copy2, 0, {copy2 + kTextDriverOnly}},
        {"copy name, then the driver unknown", 0, true, 2, noDriver, "", 0, driverUnknown},
        // A copy name is tried once, without the unknown-port wait.
        {"copy name, then the port unknown", 0, true, 2, noPort, "", 0, {kErrorPrinter}},
        {"late port, refused on the last retry", 2, false, 3, 5, "", 2, {kErrorPrinter}},
        {"late port, then the name taken", 2, false, 3, exists, copy1, 2, {copy1 + kTextDriverOnly}},
        {"late port, then the driver unknown", 2, false, 3, noDriver, "", 2, driverUnknown},
        {"late port, one more unknown answer", 2, false, 2, noPort, kVoyager.displayName, 3, {kFull}},
    };
    for (const Case& c : cases) {
        FakeInstallerSystem system;
        system.unknownPortAttempts = c.unknownPortAnswers;
        if (c.nameTaken)
            system.existingPrinters = {kVoyager.displayName};
        system.faults.error = c.error;
        system.faults.FailNth("AddPrinter", c.n);
        Install(system);
        const std::vector<PlatformCall> failed = system.faults.FailedCalls();
        ASSERT_EQ(failed.size(), 1u) << c.what;
        EXPECT_EQ(failed[0].kind + "#" + std::to_string(failed[0].occurrence),
                  "AddPrinter#" + std::to_string(c.n))
            << c.what;
        EXPECT_EQ(system.defaultPrinter, c.printer) << c.what;
        EXPECT_EQ(system.waits, c.waits) << c.what;
        std::vector<std::string> texts;
        for (const auto& message : system.messages)
            texts.push_back(message.first);
        EXPECT_EQ(texts, c.messages) << c.what;
        ExpectResourcesReleased(system, c.what);
        ExpectSecondRunSucceeds(system, c.what);
    }
}

TEST(InstallerFaults, ShortcutFallsBackToDriveCWhenNeitherFolderCanBeRead) {
    FakeInstallerSystem system;
    system.programs = std::string("D:\\Users\\me\\Start Menu\\Programs");
    system.faults.FailEvery("ReadProgramsFolder");
    system.faults.FailEvery("WindowsDirectory");
    Install(system);
    EXPECT_EQ(Labels(system.faults.FailedCalls()),
              (std::vector<std::string>{"ReadProgramsFolder#1", "WindowsDirectory#1"}));
    ASSERT_EQ(system.shortcuts.size(), 1u);
    EXPECT_EQ(system.shortcuts[0].file, "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\"
                                        "QRV Electronics\\StatusMonitorKDP225VOYG.LNK");
    EXPECT_EQ(system.messages.back(), std::make_pair(kFull, kBoxInformation));
}
