// What the uninstaller needs from the system, in its own terms: the spooler, the registry, files,
// the running status monitor and message boxes. The Win32 adapter implements it; tests use a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace uninstall {

// Win32 error codes the uninstaller tells apart; any other is a failure it reports.
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorDirNotEmpty = 145;
constexpr uint32_t kErrorUnknownPrinterDriver = 1797;
constexpr uint32_t kErrorInvalidPrinterName = 1801;
constexpr uint32_t kErrorPrinterDriverInUse = 3001;

class UninstallSystem {
public:
    virtual ~UninstallSystem() = default;

    virtual bool AskYesNo(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text, bool warning) = 0;

    // Posts WM_COMMAND `command` to every top-level window of that caption and waits up to `waitMs`
    // for its program to end; true when no such window is left.
    virtual bool EndProgramOfWindow(const std::string& caption, uint32_t command, uint32_t waitMs) = 0;

    // The names of the local printers; 0, or the error of the enumeration.
    virtual uint32_t LocalPrinters(std::vector<std::string>& names) = 0;
    // Each answers 0 or the error of the call.
    virtual uint32_t RemovePrinter(const std::string& name) = 0;
    virtual uint32_t RemovePrinterDriver(const std::string& name) = 0;
    virtual std::optional<std::string> DriverDirectory() = 0;

    virtual uint32_t RemoveRunValue(const std::string& name) = 0;
    virtual uint32_t RemoveUninstallKey(const std::string& path) = 0;
    virtual uint32_t RemoveFile(const std::string& path) = 0;
    // Removes a folder only when it is empty (kErrorDirNotEmpty otherwise).
    virtual uint32_t RemoveEmptyFolder(const std::string& path) = 0;

    // HKCU Shell Folders "Programs", when present; and the Windows directory.
    virtual std::optional<std::string> ProgramsFolder() = 0;
    virtual std::string WindowsDirectory() = 0;
};

} // namespace uninstall
