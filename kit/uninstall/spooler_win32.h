// The uninstaller's spooler calls: local printer names, deleting a printer and a driver by name, and
// the printer driver directory. Each answers 0 or the Win32 error, as UninstallSystem wants them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace uninstall::spooler {

uint32_t LocalPrinterNames(std::vector<std::string>& names);
uint32_t DeletePrinterNamed(const std::string& name);
uint32_t DeleteDriverNamed(const std::string& name);
std::optional<std::string> DriverDirectory();

} // namespace uninstall::spooler
