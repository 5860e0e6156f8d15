// What the installation engine needs from the system, in its own terms: the spooler, the INF store,
// the shell, the registry and message boxes. The Win32 adapter implements it; tests use a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace setup {

struct DriverRecord {
    uint32_t version = 0;
    std::string name;
    std::string driverPath;
    std::string dataFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles; // in order
    uint64_t driverDate = 0;                 // FILETIME
    uint64_t driverVersion = 0;
    std::string manufacturer;
    std::string oemUrl;
    std::string hardwareId;
    std::string provider;
};

struct PrinterRecord {
    std::string name;
    std::string shareName;
    std::string port;
    std::string driverName;
    std::string printProcessor;
    uint32_t attributes = 0;
    uint32_t priority = 0;
};

constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorAlreadyExists = 183;
constexpr uint32_t kErrorUnknownPort = 1796;
constexpr uint32_t kErrorUnknownPrinterDriver = 1797;
constexpr uint32_t kErrorPrinterAlreadyExists = 1802;

constexpr uint32_t kBoxError = 0x10;       // MB_OK | MB_ICONERROR
constexpr uint32_t kBoxInformation = 0x40; // MB_OK | MB_ICONINFORMATION

class InstallerSystem {
public:
    virtual ~InstallerSystem() = default;

    virtual void ShowWaitCursor(bool show) = 0;
    // The spooler's printer driver directory, through the two-call query with its traces.
    virtual bool GetDriverDirectory(std::string& directory) = 0;
    virtual bool AddPrinterDriver(const DriverRecord& driver) = 0;
    // 0 on success, else the spooler's error.
    virtual uint32_t AddPrinter(const PrinterRecord& printer) = 0;
    virtual void SetDefaultPrinter(const std::string& name) = 0;
    virtual void Wait(uint32_t milliseconds) = 0;
    // SetupCopyOEMInf without overwriting: 0 on success, else the error.
    virtual uint32_t CopyOemInf(const std::string& infPath) = 0;
    // The shell's create-folder-with-parents: 0, 183 (exists) or another error.
    virtual uint32_t CreateFolderWithParents(const std::string& path) = 0;
    // The shell's copy of one relative source into a folder, replacing without asking, no error boxes:
    // the shell's result, 0 on success.
    virtual uint32_t CopyFileIntoFolder(const std::string& source, const std::string& folder) = 0;
    // Writes a REG_SZ under HKLM\...\Run (opened, never created); false when it cannot.
    virtual bool SetRunValue(const std::string& name, const std::string& data) = 0;
    // HKCU Shell Folders "Programs", when it can be read whole into its 91-byte buffer.
    virtual std::optional<std::string> ReadProgramsFolder() = 0;
    virtual std::string WindowsDirectory() = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    virtual void CreateShortcut(const std::string& linkFile, const std::string& target,
                                const std::string& description) = 0;
    // The shared uninstall entry's key, created or opened; values are written while it is open.
    virtual bool OpenUninstallKey() = 0;
    virtual bool SetUninstallValue(const std::string& name, const std::string& data) = 0;
    virtual void CloseUninstallKey() = 0;
    // ShellExecute "open", minimized; not waited for.
    virtual void StartProgram(const std::string& path) = 0;
    virtual void ShowMessage(const std::string& text, uint32_t type) = 0;
};

} // namespace setup
