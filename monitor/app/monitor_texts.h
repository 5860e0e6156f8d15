// Fixed texts of the status monitor's window and tray icon, and the few composed from the model's name.
// Pure functions so that the exact wording is tested on the host.
#pragma once

#include <string>

namespace monitor {

constexpr char kTrayTip[] = "QRV-E Status Monitor Utility";
constexpr char kSearchingText[] = "Searching the printer...";
constexpr char kNoPrinterHeading[] = "No Printer Found";
constexpr char kExitItemText[] = "Exit";

std::string WindowCaption(const std::string& displayName);
std::string TrayShowItemText(const std::string& displayName);
std::string NotInstalledMessage(const std::string& displayName);

} // namespace monitor
