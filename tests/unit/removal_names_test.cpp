// Which printers belong to a model (its name and the setup program's copy names, nothing else), the
// paths and texts of the uninstaller, the drives it looks for the shortcut on, and the quiet switch.
#include "kit/uninstall/removal_names.h"

#include <gtest/gtest.h>

using namespace uninstall;

TEST(RemovalNames, PrintersOfTheModel) {
    const std::string voyager = "QRV KDP 225 Voyager";
    struct Case {
        const char* printer;
        bool belongs;
    } const cases[] = {
        {"QRV KDP 225 Voyager", true},
        {"QRV KDP 225 Voyager (Copy 1)", true},
        {"QRV KDP 225 Voyager (Copy 12)", true},
        {"QRV KDP 225 Voyager (Copy 999)", true},
        {"qrv kdp 225 voyager (copy 2)", true}, // the spooler ignores case
        {"QRV KDP 225 Voyager (Copy 0)", false},
        {"QRV KDP 225 Voyager (Copy 01)", false},
        {"QRV KDP 225 Voyager (Copy 1000)", false},
        {"QRV KDP 225 Voyager (Copy )", false},
        {"QRV KDP 225 Voyager (Copy 1", false},
        {"QRV KDP 225 Voyager (Copy 1) ", false},
        {"QRV KDP 225 Voyager (Copy x)", false},
        {"QRV KDP 225 Voyager Copy 1", false},
        {"QRV KDP 225 Voyager2", false},
        {"QRV KDP 225", false},
        {"Copy of QRV KDP 225 Voyager", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPrinterOfModel(c.printer, voyager), c.belongs) << c.printer;
}

TEST(RemovalNames, AShorterModelNameDoesNotClaimALongerModelsPrinters) {
    EXPECT_TRUE(IsPrinterOfModel("QRV KDP 225", "QRV KDP 225"));
    EXPECT_FALSE(IsPrinterOfModel("QRV KDP 225 Voyager", "QRV KDP 225"));
    EXPECT_FALSE(IsPrinterOfModel("QRV KDP 225 Voyager (Copy 1)", "QRV KDP 225"));
    EXPECT_TRUE(IsPrinterOfModel("QRV KDP 225 (Copy 3)", "QRV KDP 225"));
}

TEST(RemovalNames, Texts) {
    EXPECT_EQ(ConfirmText("QRV KDP 225 Voyager"), "Remove the QRV KDP 225 Voyager printer software?");
    EXPECT_EQ(DoneText("QRV PRO Z700"), "The QRV PRO Z700 printer software has been removed.");
    EXPECT_EQ(
        IncompleteText("QRV PRO Z700", {"one (error 5)", "two (error 32)"}),
        "The QRV PRO Z700 printer software could not be removed completely:\none (error 5)\ntwo (error 32)");
    // A name is never a format: "%s" stays as it is.
    EXPECT_EQ(ConfirmText("100%s"), "Remove the 100%s printer software?");
}

TEST(RemovalNames, PathsAsTheSetupProgramWritesThem) {
    const std::string directory = "C:\\windows\\system32\\spool\\drivers\\w32x86";
    EXPECT_EQ(RunValueName("KDP225VOYG"), "QRVEKDP225VOYG");
    EXPECT_EQ(MonitorFolder(directory), directory + "\\STM");
    EXPECT_EQ(MonitorFile(directory, "PROZ700"), directory + "\\STM\\PROZ700.exe");
    EXPECT_EQ(ShortcutFolder('D'),
              "D:\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics");
    EXPECT_EQ(ShortcutFile('C', "KDP225VOYG"),
              "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics\\"
              "StatusMonitorKDP225VOYG.LNK");
}

TEST(RemovalNames, ShortcutDrives) {
    using Drives = std::vector<char>;
    EXPECT_EQ(ShortcutDrives(std::string("D:\\Users\\u\\Programs"), "C:\\windows"), (Drives{'D', 'C'}));
    EXPECT_EQ(ShortcutDrives(std::string("c:\\users\\u\\Programs"), "C:\\windows"), (Drives{'C'}));
    EXPECT_EQ(ShortcutDrives(std::nullopt, "E:\\windows"), (Drives{'E'}));
    EXPECT_EQ(ShortcutDrives(std::string(""), "E:\\windows"), (Drives{'E'}));
    EXPECT_EQ(ShortcutDrives(std::string("\\\\server\\share"), ""), (Drives{'C'}));
    EXPECT_EQ(ShortcutDrives(std::nullopt, ""), (Drives{'C'}));
}

TEST(RemovalNames, QuietSwitch) {
    struct Case {
        const char* commandLine;
        bool quiet;
    } const cases[] = {
        {"/quiet", true},     {"/QUIET", true},   {"  /quiet  ", true}, {"/x /quiet", true},
        {"/quiet\t/x", true}, {"", false},        {"/quieter", false},  {"quiet", false},
        {"/q", false},        {"x/quiet", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsQuiet(c.commandLine), c.quiet) << c.commandLine;
}
