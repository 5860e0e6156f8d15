// Where an installation leaves things, by name: registry keys and values, the monitor's folder and file,
// the Start-menu shortcut, copy names. Shared by the installer and the uninstaller, so both always agree.
#pragma once

#include <string>

namespace setup::layout {

constexpr char kSetupCaption[] = "QRVE Printer Driver - Setup";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV Electronics";
constexpr char kShortcutFolderTail[] = ":\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics";
constexpr char kCopyNameOpening[] = " (Copy ";
// Nobody installs a thousand copies; a spooler that keeps answering "exists" fails the step instead.
constexpr int kMaxCopyNumber = 999;

inline std::string CopyName(const std::string& displayName, int copy) {
    return displayName + kCopyNameOpening + std::to_string(copy) + ")";
}

inline std::string RunValueName(const std::string& modelId) { return "QRVE" + modelId; }

// <driver dir>\STM\, with the closing backslash the shell's copy wants.
inline std::string MonitorFolder(const std::string& driverDirectory) { return driverDirectory + "\\STM\\"; }

inline std::string InstalledMonitor(const std::string& driverDirectory, const std::string& modelId) {
    return MonitorFolder(driverDirectory) + modelId + ".exe";
}

inline std::string UninstallerPath(const std::string& driverDirectory) {
    return driverDirectory + "\\Uninstall.exe";
}

inline std::string ShortcutFolder(char drive) { return std::string(1, drive) + kShortcutFolderTail; }

inline std::string ShortcutFile(char drive, const std::string& modelId) {
    return ShortcutFolder(drive) + "\\StatusMonitor" + modelId + ".LNK";
}

} // namespace setup::layout
