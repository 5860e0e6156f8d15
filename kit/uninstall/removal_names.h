// What an installation of one model left on the system, by name: the printers it added, its start-up
// value, folders and files, and the uninstaller's own texts. Plain functions, tested on the host.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "setup/install/install_layout.h"

namespace uninstall {

// As the setup program writes them.
constexpr const char* kCaption = setup::layout::kSetupCaption;
constexpr const char* kRunKey = setup::layout::kRunKey;
constexpr const char* kUninstallKey = setup::layout::kUninstallKey;
constexpr char kQuietSwitch[] = "/quiet";

std::string ConfirmText(const std::string& displayName);
std::string DoneText(const std::string& displayName);
// The text when something could not go; each leftover is one line.
std::string IncompleteText(const std::string& displayName, const std::vector<std::string>& leftovers);

// The setup program names the first printer of a model after it and later ones "<name> (Copy N)".
bool IsPrinterOfModel(const std::string& printerName, const std::string& displayName);

std::string RunValueName(const std::string& modelId);
std::string MonitorFolder(const std::string& driverDirectory);
std::string MonitorFile(const std::string& driverDirectory, const std::string& modelId);
std::string ShortcutFolder(char drive);
std::string ShortcutFile(char drive, const std::string& modelId);
// The drives the shortcut may be on: the setup program's choice (the drive of the user's Programs
// folder, else that of Windows) first, then the other one when it differs.
std::vector<char> ShortcutDrives(const std::optional<std::string>& programsFolder,
                                 const std::string& windowsDirectory);

// Whether the command line holds the switch that answers Yes without asking and shows no boxes.
bool IsQuiet(const std::string& commandLine);

} // namespace uninstall
