// The start-up search for the model's USB printer among the present USB printer interfaces.
// Later changes arrive as device-change messages, which the main window matches.
#pragma once

#include <string>

namespace monitor {

// True when a present USB printer interface has exactly the expected device path.
bool FindUsbPrinterInterface(const std::string& expectedPath);

} // namespace monitor
