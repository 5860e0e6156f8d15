// The Win32 side of UninstallSystem: message boxes, the registry, files and folders, with the spooler
// and the monitor's exit delegated to spooler_win32 and monitor_stop_win32.
#pragma once

#include "uninstall_system.h"

namespace uninstall {

class CUninstallSystemWin32 : public UninstallSystem {
public:
    bool AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text, bool warning) override;
    bool EndProgramOfWindow(const std::string& caption, uint32_t command, uint32_t waitMs) override;
    uint32_t LocalPrinters(std::vector<std::string>& names) override;
    uint32_t RemovePrinter(const std::string& name) override;
    uint32_t RemovePrinterDriver(const std::string& name) override;
    std::optional<std::string> DriverDirectory() override;
    uint32_t RemoveRunValue(const std::string& name) override;
    uint32_t RemoveUninstallKey(const std::string& path) override;
    uint32_t RemoveFile(const std::string& path) override;
    uint32_t RemoveEmptyFolder(const std::string& path) override;
    std::optional<std::string> ProgramsFolder() override;
    std::string WindowsDirectory() override;
};

} // namespace uninstall
