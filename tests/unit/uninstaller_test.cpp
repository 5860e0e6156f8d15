// The uninstaller's sequence against a scripted system: what goes, in which order, what is left to
// other models, what counts as nothing to do, and how failures reach the report and the exit code.
#include "kit/uninstall/uninstaller.h"

#include "fakes/fake_uninstall_system.h"
#include "kit/uninstall/removal_names.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace uninstall;

namespace {

const char kName[] = "QRV KDP 225 Voyager";
const char kId[] = "KDP225VOYG";
const std::string kDirectory = "C:\\windows\\system32\\spool\\drivers\\w32x86";
const std::string kStm = kDirectory + "\\STM";
const std::string kMonitor = kStm + "\\KDP225VOYG.exe";
const std::string kMenu = "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics";
const std::string kShortcut = kMenu + "\\StatusMonitorKDP225VOYG.LNK";

// What a setup of the model leaves, with one copy of the printer and printers that are not the model's.
void Installed(FakeUninstallSystem& system) {
    system.printers = {"Other", kName, std::string(kName) + " (Copy 1)", "QRV KDP 225"};
    system.runValues = {"QRVEKDP225VOYG", "QRVEKDP225"};
    system.files = {kMonitor, kShortcut};
    system.folders = {kStm, kMenu};
}

int RunUninstaller(FakeUninstallSystem& system, bool quiet = false) {
    CUninstaller uninstaller(system, ModelNames{kName, kId}, quiet);
    return uninstaller.Run();
}

size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

} // namespace

TEST(Uninstaller, AsksFirstAndDoesNothingOnNo) {
    FakeUninstallSystem system;
    Installed(system);
    system.answerYes = false;
    EXPECT_EQ(RunUninstaller(system), kExitDeclined);
    EXPECT_EQ(system.questions, std::vector<std::string>{"Remove the QRV KDP 225 Voyager printer software?"});
    EXPECT_TRUE(system.calls.empty());
    EXPECT_TRUE(system.messages.empty());
}

TEST(Uninstaller, RemovesWhatTheModelsInstallationAdded) {
    FakeUninstallSystem system;
    Installed(system);
    EXPECT_EQ(RunUninstaller(system), kExitRemoved);
    EXPECT_EQ(system.printers, (std::vector<std::string>{"Other", "QRV KDP 225"}));
    EXPECT_FALSE(system.driverInstalled);
    EXPECT_EQ(system.runValues, std::set<std::string>{"QRVEKDP225"});
    EXPECT_TRUE(system.files.empty());
    EXPECT_TRUE(system.folders.empty());
    EXPECT_FALSE(system.uninstallKey);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].text, "The QRV KDP 225 Voyager printer software has been removed.");
    EXPECT_FALSE(system.messages[0].warning);
}

TEST(Uninstaller, EndsTheMonitorFirstAndThePrintersBeforeTheirDriver) {
    FakeUninstallSystem system;
    Installed(system);
    RunUninstaller(system);
    EXPECT_EQ(system.endedCaptions, std::vector<std::string>{"QRV KDP 225 Voyager - Status Monitor"});
    EXPECT_EQ(system.endCommands, std::vector<uint32_t>{104});
    ASSERT_FALSE(system.calls.empty());
    EXPECT_EQ(system.calls.front(), "EndProgram");
    const size_t driver = IndexOf(system.calls, "RemovePrinterDriver QRV KDP 225 Voyager");
    EXPECT_LT(IndexOf(system.calls, "RemovePrinter QRV KDP 225 Voyager"), driver);
    EXPECT_LT(IndexOf(system.calls, "RemovePrinter QRV KDP 225 Voyager (Copy 1)"), driver);
    EXPECT_LT(driver, system.calls.size());
    EXPECT_EQ(IndexOf(system.calls, "RemovePrinter Other"), system.calls.size());
    EXPECT_EQ(IndexOf(system.calls, "RemovePrinter QRV KDP 225"), system.calls.size());
}

TEST(Uninstaller, ASecondRunFindsNothingAndSucceeds) {
    FakeUninstallSystem system;
    Installed(system);
    ASSERT_EQ(RunUninstaller(system), kExitRemoved);
    system.messages.clear();
    EXPECT_EQ(RunUninstaller(system), kExitRemoved);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_FALSE(system.messages[0].warning);
}

TEST(Uninstaller, QuietAsksNothingAndShowsNothing) {
    FakeUninstallSystem system;
    Installed(system);
    system.answerYes = false; // would decline if it were asked
    EXPECT_EQ(RunUninstaller(system, true), kExitRemoved);
    EXPECT_TRUE(system.questions.empty());
    EXPECT_TRUE(system.messages.empty());
    EXPECT_FALSE(system.uninstallKey);
}

TEST(Uninstaller, ADriverStillInUseIsNoFailure) {
    FakeUninstallSystem system;
    Installed(system);
    system.driverError = kErrorPrinterDriverInUse;
    EXPECT_EQ(RunUninstaller(system), kExitRemoved);
}

TEST(Uninstaller, LeavesOtherModelsFilesAndTheirFolders) {
    FakeUninstallSystem system;
    Installed(system);
    const std::string otherMonitor = kStm + "\\PROZ700.exe";
    const std::string otherShortcut = kMenu + "\\StatusMonitorPROZ700.LNK";
    system.files.insert({otherMonitor, otherShortcut});
    EXPECT_EQ(RunUninstaller(system), kExitRemoved);
    EXPECT_EQ(system.files, (std::set<std::string>{otherMonitor, otherShortcut}));
    EXPECT_EQ(system.folders, (std::set<std::string>{kStm, kMenu}));
}

TEST(Uninstaller, LooksForTheShortcutOnBothDrives) {
    FakeUninstallSystem system;
    Installed(system);
    const std::string dMenu = "D:" + kMenu.substr(2);
    system.programs = std::string("D:\\Users\\user\\Programs");
    system.files.insert(dMenu + "\\StatusMonitorKDP225VOYG.LNK");
    system.folders.insert(dMenu);
    EXPECT_EQ(RunUninstaller(system), kExitRemoved);
    EXPECT_TRUE(system.files.empty());
    EXPECT_TRUE(system.folders.empty());
}

TEST(Uninstaller, ReportsWhatCouldNotGoAndGoesOn) {
    FakeUninstallSystem system;
    Installed(system);
    system.monitorEnds = false;
    system.printerErrors[kName] = 5;
    system.fileErrors[kMonitor] = 32;
    EXPECT_EQ(RunUninstaller(system), kExitIncomplete);
    EXPECT_FALSE(system.uninstallKey); // later steps still ran
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_TRUE(system.messages[0].warning);
    EXPECT_EQ(system.messages[0].text,
              "The QRV KDP 225 Voyager printer software could not be removed completely:\n"
              "the running status monitor \"QRV KDP 225 Voyager - Status Monitor\"\n"
              "the printer \"QRV KDP 225 Voyager\" (error 5)\n" +
                  kMonitor + " (error 32)");
}

TEST(Uninstaller, ReportsAFailedEnumerationOrAMissingDriverDirectory) {
    FakeUninstallSystem system;
    Installed(system);
    system.enumerationError = 1722;
    system.driverDirectory.reset();
    CUninstaller uninstaller(system, ModelNames{kName, kId}, true);
    EXPECT_EQ(uninstaller.Run(), kExitIncomplete);
    EXPECT_EQ(uninstaller.Leftovers(),
              (std::vector<std::string>{"the list of printers (error 1722)",
                                        "the status monitor's files (no printer driver directory)"}));
}

TEST(Uninstaller, ADriverErrorOtherThanInUseIsReported) {
    FakeUninstallSystem system;
    Installed(system);
    system.driverError = 5;
    CUninstaller uninstaller(system, ModelNames{kName, kId}, true);
    EXPECT_EQ(uninstaller.Run(), kExitIncomplete);
    EXPECT_EQ(uninstaller.Leftovers(),
              std::vector<std::string>{"the printer driver \"QRV KDP 225 Voyager\" (error 5)"});
}
