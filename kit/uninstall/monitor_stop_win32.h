// Ends a running program through its own window: the status monitor's Exit command, posted to the
// window with its caption, and a bounded wait for the program to go.
#pragma once

#include <cstdint>
#include <string>

namespace uninstall {

bool EndProgramOfWindowWin32(const std::string& caption, uint32_t command, uint32_t waitMs);

} // namespace uninstall
