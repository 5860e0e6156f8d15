// Composition of the monitor's texts from the model's display name.
// Concatenation only: a name is never used as a format string.
#include "monitor_texts.h"

namespace monitor {

std::string WindowCaption(const std::string& displayName) { return displayName + " - Status Monitor"; }

std::string TrayShowItemText(const std::string& displayName) { return displayName + " Status Monitor"; }

std::string NotInstalledMessage(const std::string& displayName) { return displayName + " not installed."; }

} // namespace monitor
