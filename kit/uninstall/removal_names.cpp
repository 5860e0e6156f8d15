// Names and texts of the uninstaller, composed from the model's catalogue row.
// Concatenation only: a display name is never used as a format string.
#include "removal_names.h"

#include <cctype>

namespace uninstall {

namespace {

constexpr const char* kCopyOpening = setup::layout::kCopyNameOpening;
constexpr size_t kMaxCopyDigits = 3; // the setup program stops at copy 999

bool SameLetters(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// The spooler compares printer names without regard to case.
bool StartsWithIgnoringCase(const std::string& text, const std::string& start) {
    if (text.size() < start.size())
        return false;
    for (size_t i = 0; i < start.size(); ++i) {
        if (!SameLetters(text[i], start[i]))
            return false;
    }
    return true;
}

// "N)" with N from 1 to 999 written as the setup program writes it: no leading zero.
bool IsCopyNumberTail(const std::string& tail) {
    if (tail.size() < 2 || tail.back() != ')')
        return false;
    const std::string digits = tail.substr(0, tail.size() - 1);
    if (digits.size() > kMaxCopyDigits || digits[0] == '0')
        return false;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool IsDriveLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string ConfirmText(const std::string& displayName) {
    return "Remove the " + displayName + " printer software?";
}

std::string DoneText(const std::string& displayName) {
    return "The " + displayName + " printer software has been removed.";
}

std::string IncompleteText(const std::string& displayName, const std::vector<std::string>& leftovers) {
    std::string text = "The " + displayName + " printer software could not be removed completely:";
    for (const std::string& leftover : leftovers)
        text += "\n" + leftover;
    return text;
}

bool IsPrinterOfModel(const std::string& printerName, const std::string& displayName) {
    if (!StartsWithIgnoringCase(printerName, displayName))
        return false;
    if (printerName.size() == displayName.size())
        return true;
    const std::string rest = printerName.substr(displayName.size());
    return StartsWithIgnoringCase(rest, kCopyOpening) &&
           IsCopyNumberTail(rest.substr(std::char_traits<char>::length(kCopyOpening)));
}

std::string RunValueName(const std::string& modelId) {
    return setup::layout::RunValueName(modelId);
}

// The folder as a path to remove: without the closing backslash the installer's copy needs.
std::string MonitorFolder(const std::string& driverDirectory) {
    std::string folder = setup::layout::MonitorFolder(driverDirectory);
    folder.pop_back();
    return folder;
}

std::string MonitorFile(const std::string& driverDirectory, const std::string& modelId) {
    return setup::layout::InstalledMonitor(driverDirectory, modelId);
}

std::string ShortcutFolder(char drive) {
    return setup::layout::ShortcutFolder(drive);
}

std::string ShortcutFile(char drive, const std::string& modelId) {
    return setup::layout::ShortcutFile(drive, modelId);
}

std::vector<char> ShortcutDrives(const std::optional<std::string>& programsFolder,
                                 const std::string& windowsDirectory) {
    std::vector<char> drives;
    auto add = [&drives](char drive) {
        drive = static_cast<char>(std::toupper(static_cast<unsigned char>(drive)));
        if (IsDriveLetter(drive) && (drives.empty() || drives.front() != drive))
            drives.push_back(drive);
    };
    if (programsFolder && !programsFolder->empty())
        add((*programsFolder)[0]);
    if (!windowsDirectory.empty())
        add(windowsDirectory[0]);
    if (drives.empty())
        drives.push_back('C'); // as the setup program falls back
    return drives;
}

bool IsQuiet(const std::string& commandLine) {
    size_t start = 0;
    while (start < commandLine.size()) {
        const size_t end = commandLine.find_first_of(" \t", start);
        const std::string word = commandLine.substr(start, end == std::string::npos ? end : end - start);
        if (word.size() == sizeof kQuietSwitch - 1 && StartsWithIgnoringCase(word, kQuietSwitch))
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

} // namespace uninstall
