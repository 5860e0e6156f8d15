// The installation sequence against a scripted system: a first and a second installation, every failure
// of the outcome table with its report, copy names, the retry bounds, and what lands in the registry.
#include "setup/install/installer.h"

#include "fakes/fake_installer_system.h"

#include <gtest/gtest.h>

using namespace setup;

namespace {

const ModelNames kVoyager{"QRV KDP 225 Voyager", "QRVKDP225VOYG", "KDP225VOYG", "QRVEKDP225VOYG.INF",
                          "KDP225VOYG.GPD", "NA"};
const std::string kDir = "C:\\windows\\system32\\spool\\drivers\\w32x86";

struct Installation {
    FakeInstallerSystem system;
    CInstaller installer{system, kVoyager};
    Installation() { installer.m_strPort = "LPT1:"; }
    void Run() {
        installer.Install();
        installer.ReportResult();
    }
    std::pair<std::string, uint32_t> Report() const {
        return system.messages.empty() ? std::make_pair(std::string(), 0u) : system.messages.back();
    }
};

} // namespace

TEST(Installer, FirstInstallationInstallsEverything) {
    Installation run;
    run.Run();
    FakeInstallerSystem& s = run.system;

    EXPECT_EQ(s.defaultPrinter, "QRV KDP 225 Voyager");
    ASSERT_EQ(s.printerAttempts.size(), 1u);
    const PrinterRecord& printer = s.printerAttempts[0];
    EXPECT_EQ(printer.name, "QRV KDP 225 Voyager");
    EXPECT_EQ(printer.shareName, "QRVKDP225VOYG");
    EXPECT_EQ(printer.port, "LPT1:");
    EXPECT_EQ(printer.driverName, "QRV KDP 225 Voyager");
    EXPECT_EQ(printer.printProcessor, "winprint");
    EXPECT_EQ(printer.attributes, 0x204u);
    EXPECT_EQ(printer.priority, 1u);

    ASSERT_EQ(s.copies.size(), 1u);
    EXPECT_EQ(s.copies[0].first, "STM\\KDP225VOYG.exe");
    EXPECT_EQ(s.copies[0].second, kDir + "\\STM\\");
    EXPECT_EQ(s.folders.front(), kDir + "\\STM\\");
    // The log-on value has no ".exe"; the shortcut and the started program do.
    EXPECT_EQ(s.runValues, (std::map<std::string, std::string>{{"QRVEKDP225VOYG", kDir + "\\STM\\KDP225VOYG"}}));
    ASSERT_EQ(s.shortcuts.size(), 1u);
    EXPECT_EQ(s.shortcuts[0].file, "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics"
                                   "\\StatusMonitorKDP225VOYG.LNK");
    EXPECT_EQ(s.shortcuts[0].target, kDir + "\\STM\\KDP225VOYG.exe");
    EXPECT_EQ(s.shortcuts[0].description, "Shortcut to Status Monitor - QRV KDP 225 Voyager");
    EXPECT_EQ(s.started, std::vector<std::string>{kDir + "\\STM\\KDP225VOYG.exe"});
    EXPECT_EQ(s.infs, std::vector<std::string>{kDir + "\\QRVEKDP225VOYG.INF"});
    EXPECT_EQ(s.uninstallValues, (std::map<std::string, std::string>{
                                     {"DisplayName", "QRV Electronics Printer Software"},
                                     {"UninstallString", kDir + "\\Uninstall.exe"},
                                     {"DisplayIcon", kDir + "\\Uninstall.exe"}}));
    EXPECT_EQ(run.Report(), std::make_pair(std::string("QRV KDP 225 Voyager Printer Driver & Status Monitor "
                                                       "installed successfully."),
                                           kBoxInformation));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"GetDriverDirectory", "AddPrinterDriver", "AddPrinter", "CopyMonitor",
                                                 "SetRunValue", "CreateShortcut", "StartProgram",
                                                 "GetDriverDirectory", "CopyOemInf", "OpenUninstallKey",
                                                 "CloseUninstallKey"}));
    EXPECT_EQ(s.cursorDepth, 0);
}

TEST(Installer, DriverRecordAsPassed) {
    Installation run;
    run.Run();
    ASSERT_EQ(run.system.drivers.size(), 1u);
    const DriverRecord& d = run.system.drivers[0];
    EXPECT_EQ(d.version, 3u);
    EXPECT_EQ(d.name, "QRV KDP 225 Voyager");
    EXPECT_EQ(d.driverPath, "unidrv.dll");
    EXPECT_EQ(d.dataFile, "KDP225VOYG.GPD");
    EXPECT_EQ(d.configFile, "unidrvui.dll");
    EXPECT_EQ(d.helpFile, "unidrv.hlp");
    EXPECT_EQ(d.dependentFiles, (std::vector<std::string>{"QRVE9pin.dll", "unidrvui.dll", "unidrv.dll",
                                                          "unidrv.hlp", "unires.dll", "stdnames.gpd"}));
    EXPECT_EQ(d.driverDate, 0x01C9ED4C39D00000ull);
    EXPECT_EQ(d.driverVersion, 0x0005000000000006ull);
    EXPECT_EQ(d.manufacturer, "QRV Electronics");
    EXPECT_EQ(d.provider, "QRV Electronics");
    EXPECT_EQ(d.hardwareId, "NA");
    EXPECT_FALSE(d.oemUrl.empty());

    const ModelNames z700{"QRV PRO Z700", "PROZ700", "PROZ700", "QRVEPR0-Z700.INF", "PRO-Z700.gpd", "NA"};
    EXPECT_EQ(MakeDriverRecord(z700).dataFile, "PRO-Z700.gpd");
}

TEST(Installer, OutcomeTable) {
    struct Case {
        const char* what;
        void (*script)(FakeInstallerSystem&);
        std::string report;
        uint32_t type;
        bool monitorInstalled;
        std::vector<std::string> earlierMessages;
    };
    const std::string driverOnly = "QRV KDP 225 Voyager Printer Driver installed successfully.";
    const Case cases[] = {
        {"no driver directory", [](FakeInstallerSystem& s) { s.directoryOk = false; }, kErrorDirectory, kBoxError,
         false, {}},
        {"driver refused", [](FakeInstallerSystem& s) { s.driverOk = false; }, kErrorDriver, kBoxError, false, {}},
        {"printer refused", [](FakeInstallerSystem& s) { s.printerError = 5; }, kErrorPrinter, kBoxError, false, {}},
        {"driver unknown to the spooler", [](FakeInstallerSystem& s) { s.printerError = kErrorUnknownPrinterDriver; },
         kErrorPrinter, kBoxError, false, {kPrinterDriverUnknown}},
        {"monitor copy fails", [](FakeInstallerSystem& s) { s.copyResult = 0x402; }, driverOnly, kBoxInformation,
         false, {}},
        {"monitor folder cannot be made", [](FakeInstallerSystem& s) { s.createFolderResult = 5; }, driverOnly,
         kBoxInformation, false, {}},
        {"monitor folder exists", [](FakeInstallerSystem& s) { s.createFolderResult = kErrorAlreadyExists; },
         "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully.", kBoxInformation, true, {}},
        {"silent failures change nothing",
         [](FakeInstallerSystem& s) {
             s.runKeyOpens = false;
             s.oemInfError = 0xE000020B;
             s.uninstallKeyOpens = false;
         },
         "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully.", kBoxInformation, true, {}},
    };
    for (const Case& c : cases) {
        Installation run;
        c.script(run.system);
        run.Run();
        std::vector<std::string> texts;
        for (const auto& message : run.system.messages)
            texts.push_back(message.first);
        std::vector<std::string> expected = c.earlierMessages;
        expected.push_back(c.report);
        EXPECT_EQ(texts, expected) << c.what;
        EXPECT_EQ(run.Report().second, c.type) << c.what;
        EXPECT_EQ(!run.system.started.empty(), c.monitorInstalled) << c.what;
        EXPECT_EQ(run.system.cursorDepth, 0) << c.what;
    }
}

TEST(Installer, StepsAfterAFailedOneDoNotRun) {
    Installation run;
    run.system.driverOk = false;
    run.Run();
    EXPECT_TRUE(run.system.printerAttempts.empty());
    EXPECT_TRUE(run.system.infs.empty());
    EXPECT_TRUE(run.system.uninstallWrites.empty());
}

TEST(Installer, SecondInstallationGetsACopyNameAndLeavesTheMonitorAlone) {
    Installation run;
    run.system.existingPrinters = {"QRV KDP 225 Voyager"};
    run.Run();
    EXPECT_EQ(run.system.defaultPrinter, "QRV KDP 225 Voyager (Copy 1)");
    EXPECT_TRUE(run.system.copies.empty());
    EXPECT_TRUE(run.system.runValues.empty());
    EXPECT_TRUE(run.system.shortcuts.empty());
    EXPECT_TRUE(run.system.started.empty());
    EXPECT_EQ(run.system.infs.size(), 1u);                // registered again
    EXPECT_EQ(run.system.uninstallValues.size(), 3u); // written again
    EXPECT_EQ(run.Report(),
              std::make_pair(std::string("QRV KDP 225 Voyager (Copy 1) Printer Driver installed successfully."),
                             kBoxInformation));
}

TEST(Installer, FirstFreeCopyNameWins) {
    Installation run;
    run.system.existingPrinters = {"QRV KDP 225 Voyager", "QRV KDP 225 Voyager (Copy 1)",
                                   "QRV KDP 225 Voyager (Copy 3)"};
    EXPECT_TRUE(run.installer.InstallPrinter());
    EXPECT_EQ(run.installer.m_strPrinterName, "QRV KDP 225 Voyager (Copy 2)");
    EXPECT_EQ(run.system.defaultPrinter, "QRV KDP 225 Voyager (Copy 2)");
}

TEST(Installer, UnknownPortIsRetriedForABoundedTime) {
    struct Case {
        int unknownAttempts;
        bool installed;
        int waits;
    } const cases[] = {{0, true, 0}, {3, true, 3}, {kMaxUnknownPortAttempts - 1, true, kMaxUnknownPortAttempts - 1},
                       {kMaxUnknownPortAttempts, false, kMaxUnknownPortAttempts - 1}, {1000, false, 14}};
    for (const Case& c : cases) {
        Installation run;
        run.system.unknownPortAttempts = c.unknownAttempts;
        EXPECT_EQ(run.installer.InstallPrinter(), c.installed) << c.unknownAttempts;
        EXPECT_EQ(run.system.waits, c.waits) << c.unknownAttempts;
        EXPECT_EQ(run.system.waitedMs, static_cast<uint32_t>(c.waits) * 2000u) << c.unknownAttempts;
        EXPECT_TRUE(run.system.messages.empty()) << c.unknownAttempts;
    }
    EXPECT_LE(kMaxUnknownPortAttempts * 2, 30); // the user waits at most half a minute
}

TEST(Installer, CopyNamesAreBoundedToo) {
    Installation run;
    run.system.printerError = kErrorPrinterAlreadyExists;
    EXPECT_FALSE(run.installer.InstallPrinter());
    EXPECT_EQ(run.system.printerAttempts.size(), static_cast<size_t>(1 + kMaxCopyNumber));
    EXPECT_EQ(run.installer.m_strPrinterName, "QRV KDP 225 Voyager (Copy 999)");
}

TEST(Installer, RegisterInfAnswers) {
    struct Case {
        uint32_t error;
        bool registered;
    } const cases[] = {{0, true}, {kErrorFileExists, true}, {2, false}, {0xE000020B, false}};
    for (const Case& c : cases) {
        Installation run;
        run.system.oemInfError = c.error;
        EXPECT_EQ(run.installer.RegisterInf(), c.registered) << c.error;
    }
    Installation longDirectory;
    longDirectory.system.directory = "C:\\" + std::string(250, 'd');
    EXPECT_FALSE(longDirectory.installer.RegisterInf());
    EXPECT_TRUE(longDirectory.system.infs.empty()); // never handed on when it does not fit
}

TEST(Installer, MonitorPathsThatDoNotFitFailTheCopy) {
    Installation run;
    run.system.directory = "C:\\" + std::string(252, 'd');
    run.Run();
    EXPECT_TRUE(run.system.copies.empty());
    EXPECT_EQ(run.Report().first, "QRV KDP 225 Voyager Printer Driver installed successfully.");
}

TEST(Installer, UninstallEntryWrites) {
    Installation failedName;
    failedName.system.failingUninstallValues = {"DisplayName"};
    EXPECT_TRUE(failedName.installer.GetDriverDirectory());
    EXPECT_FALSE(failedName.installer.AddUninstallEntry());
    EXPECT_EQ(failedName.system.uninstallWrites, (std::vector<std::string>{"DisplayName", "DisplayIcon"}));

    Installation failedString;
    failedString.system.failingUninstallValues = {"UninstallString"};
    EXPECT_FALSE(failedString.installer.AddUninstallEntry());
    EXPECT_EQ(failedString.system.uninstallWrites,
              (std::vector<std::string>{"DisplayName", "UninstallString", "DisplayIcon"}));

    Installation noKey;
    noKey.system.uninstallKeyOpens = false;
    EXPECT_FALSE(noKey.installer.AddUninstallEntry());
    EXPECT_TRUE(noKey.system.uninstallWrites.empty());
}

TEST(Installer, ShortcutDrive) {
    struct Case {
        std::optional<std::string> programs;
        std::string windows;
        char drive;
    } const cases[] = {
        {std::string("D:\\Users\\me\\Start Menu\\Programs"), "C:\\windows", 'D'},
        {std::nullopt, "E:\\WINDOWS", 'E'},               // unreadable: the system's drive
        {std::string(""), "F:\\windows", 'F'},
        {std::string("G:\\") + std::string(90, 'p'), "C:\\windows", 'C'}, // longer than its buffer
    };
    for (const Case& c : cases) {
        Installation run;
        run.system.programs = c.programs;
        run.system.windowsDirectory = c.windows;
        run.installer.CreateMonitorShortcut();
        ASSERT_EQ(run.system.shortcuts.size(), 1u);
        EXPECT_EQ(run.system.shortcuts[0].file[0], c.drive);
        EXPECT_EQ(run.system.folders.back(),
                  std::string(1, c.drive) + ":\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics");
    }
}

TEST(Installer, ReportWithoutInstallationIsTheFirstError) {
    Installation run;
    run.installer.ReportResult();
    EXPECT_EQ(run.Report(), std::make_pair(std::string(kErrorDirectory), kBoxError));
}

TEST(Installer, NamesWithFormatCharactersStayIntact) {
    FakeInstallerSystem system;
    ModelNames odd = kVoyager;
    odd.displayName = "100% %s %d";
    CInstaller installer(system, odd);
    installer.m_strPort = "COM1:";
    installer.Install();
    installer.ReportResult();
    EXPECT_EQ(system.messages.back().first, "100% %s %d Printer Driver & Status Monitor installed successfully.");
}
