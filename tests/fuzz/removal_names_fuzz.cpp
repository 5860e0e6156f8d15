// Fuzzes the uninstaller's decisions on names it does not control: which spooler printers belong to the
// model, whether the command line holds the quiet switch, the shortcut drives and the monitor's folder.
#include "kit/uninstall/removal_names.h"

#include "catalogue/model_catalogue.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
constexpr char kCopyOpening[] = " (Copy ";

// The documented rule, written out: the display name in any case, alone or followed by " (Copy N)" with N
// from 1 to 999 and no leading zero.
bool NamesPrinterOfModel(const std::string& printer, const std::string& display) {
    if (printer.size() < display.size() ||
        !fuzz::EqualIgnoringCase(printer.substr(0, display.size()), display))
        return false;
    std::string rest = printer.substr(display.size());
    if (rest.empty())
        return true;
    const size_t opening = sizeof kCopyOpening - 1;
    if (rest.size() < opening + 2 || !fuzz::EqualIgnoringCase(rest.substr(0, opening), kCopyOpening) ||
        rest.back() != ')')
        return false;
    const std::string digits = rest.substr(opening, rest.size() - opening - 1);
    return digits.size() <= 3 && digits[0] >= '1' && digits[0] <= '9' &&
           digits.find_first_not_of("0123456789") == std::string::npos;
}

// The documented rule, written out: some word between blanks and tabs is "/quiet" in any case.
bool HoldsQuietSwitch(const std::string& commandLine) {
    std::string word;
    for (size_t i = 0; i <= commandLine.size(); ++i) {
        if (i == commandLine.size() || commandLine[i] == ' ' || commandLine[i] == '\t') {
            if (fuzz::EqualIgnoringCase(word, "/quiet"))
                return true;
            word.clear();
        } else {
            word.push_back(commandLine[i]);
        }
    }
    return false;
}

void CheckPrinter(const std::string& printer, const uint8_t* data, size_t size) {
    for (int model = 0; model < catalogue::kModelCount; ++model) {
        const std::string display = catalogue::DisplayName[model];
        FUZZ_CHECK(uninstall::IsPrinterOfModel(printer, display) == NamesPrinterOfModel(printer, display));
    }
    // Every copy name the setup program writes must be recognised in any case; numbers beyond it must not.
    if (size < 3)
        return;
    const std::string display = catalogue::DisplayName[data[0] % catalogue::kModelCount];
    const int copy = (data[1] | (data[2] << 8)) % 1100;
    const std::string name = fuzz::FlipCase(setup::layout::CopyName(display, copy), data + 3, size - 3);
    FUZZ_CHECK(uninstall::IsPrinterOfModel(name, display) ==
               (copy >= 1 && copy <= setup::layout::kMaxCopyNumber));
}

void CheckCommandLine(const std::string& commandLine) {
    const bool quiet = uninstall::IsQuiet(commandLine);
    FUZZ_CHECK(quiet == HoldsQuietSwitch(commandLine));
    FUZZ_CHECK(uninstall::IsQuiet(commandLine + " /QUIET"));
    FUZZ_CHECK(uninstall::IsQuiet("\t/Quiet " + commandLine));
    if (quiet)
        FUZZ_CHECK(uninstall::IsQuiet(commandLine + " more") &&
                   uninstall::IsQuiet("Uninstall.exe " + commandLine));
}

void CheckDrives(const std::optional<std::string>& programs, const std::string& windows) {
    const std::vector<char> drives = uninstall::ShortcutDrives(programs, windows);
    FUZZ_CHECK(!drives.empty() && drives.size() <= 2);
    for (char drive : drives)
        FUZZ_CHECK(drive >= 'A' && drive <= 'Z');
    FUZZ_CHECK(drives.size() == 1 || drives[0] != drives[1]);
    auto letter = [](const std::string& path) {
        return !path.empty() && std::isalpha(static_cast<unsigned char>(path[0])) ? fuzz::Lower(path[0])
                                                                                  : '\0';
    };
    const char first = programs ? letter(*programs) : '\0';
    const char second = letter(windows);
    if (first)
        FUZZ_CHECK(fuzz::Lower(drives[0]) == first);
    else if (second)
        FUZZ_CHECK(fuzz::Lower(drives[0]) == second);
    else
        FUZZ_CHECK(drives.size() == 1 && drives[0] == 'C');
    // The second drive is the Windows folder's, only when it differs from the first.
    FUZZ_CHECK(drives.size() == ((first && second && first != second) ? 2u : 1u));
    if (drives.size() == 2)
        FUZZ_CHECK(fuzz::Lower(drives[1]) == second);
}

void CheckMonitorFiles(const std::string& driverDirectory) {
    const std::string folder = uninstall::MonitorFolder(driverDirectory);
    FUZZ_CHECK(folder + "\\" == setup::layout::MonitorFolder(driverDirectory));
    FUZZ_CHECK(folder.compare(0, driverDirectory.size(), driverDirectory) == 0);
    for (int model = 0; model < catalogue::kModelCount; ++model) {
        const std::string file = uninstall::MonitorFile(driverDirectory, catalogue::ModelId[model]);
        FUZZ_CHECK(file.compare(0, folder.size() + 1, folder + "\\") == 0);
    }
}

void CheckIncompleteText(const std::vector<std::string>& leftovers) {
    const std::string text = uninstall::IncompleteText(catalogue::DisplayName[0], leftovers);
    size_t at = text.find('\n');
    for (const std::string& leftover : leftovers) {
        FUZZ_CHECK(at != std::string::npos && text.compare(at + 1, leftover.size(), leftover) == 0);
        at = text.find('\n', at + 1);
    }
    FUZZ_CHECK(at == std::string::npos);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Lines: a printer name, a command line, the Programs folder (none without the line), the Windows
    // folder, the printer driver folder; all the lines are also the leftovers of an incomplete removal.
    const std::vector<std::string> lines = fuzz::Lines(data, size);
    auto line = [&lines](size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    CheckPrinter(line(0), data, size);
    CheckCommandLine(line(1));
    CheckDrives(lines.size() > 2 ? std::optional<std::string>(lines[2]) : std::nullopt, line(3));
    CheckMonitorFiles(line(4));
    CheckIncompleteText(lines);
    return 0;
}
