// CInstaller: the setup program's installation engine. It adds the driver and the printer, installs
// the status monitor, registers the kit and reports the outcome, all through an InstallerSystem.
#pragma once

#include <string>

#include "install_layout.h"
#include "installer_system.h"

namespace setup {

// The catalogue row the installation uses.
struct ModelNames {
    std::string displayName;
    std::string shareName;
    std::string modelId;
    std::string infFileName;
    std::string gpdFileName;
    std::string hardwareId;
};

using layout::kSetupCaption;
constexpr char kTextDriverAndMonitor[] = " Printer Driver & Status Monitor installed successfully.";
constexpr char kTextDriverOnly[] = " Printer Driver installed successfully.";
constexpr char kErrorDirectory[] = "Unexpected error 0x001C occured.";
constexpr char kErrorDriver[] = "Unexpected error 0x002C occured.";
constexpr char kErrorPrinter[] = "Unexpected error 0x003C occured.";
constexpr char kPrinterDriverUnknown[] = "Printer driver unknown.";

// A port that never comes into existence must not keep the installer waiting for ever.
constexpr int kMaxUnknownPortAttempts = 15;
constexpr uint32_t kUnknownPortWaitMs = 2000;
using layout::kMaxCopyNumber;
// The system's own path buffers (MAX_PATH) and the monitor's source buffer.
constexpr size_t kMaxPathLength = 259;
constexpr size_t kMaxMonitorSourceLength = 148;

class CInstaller {
public:
    CInstaller(InstallerSystem& system, ModelNames model);

    bool GetDriverDirectory();
    bool InstallDriver();
    bool InstallPrinter();
    bool RegisterInf();
    bool CopyMonitor();
    void RegisterMonitorStartup();
    void CreateMonitorShortcut();
    bool AddUninstallEntry();
    void Install();
    void ReportResult();

    std::string m_strPort;
    // False until their step has run and succeeded, so a report without an installation is an error.
    bool m_bDirectoryOk = false;
    bool m_bDriverOk = false;
    bool m_bPrinterOk = false;
    std::string m_strMessage;
    std::string m_strPrinterName;
    std::string m_pszDriverDir;
    std::string m_szInfPath;

    // What the monitor's paths are made of; public for the dialogs' and tests' use.
    std::string MonitorFolder() const;      // <driver dir>\STM\ (with the closing backslash)
    std::string InstalledMonitor() const;   // <driver dir>\STM\<ModelId>.exe
    std::string UninstallerPath() const;    // <driver dir>\Uninstall.exe

private:
    uint32_t TryAddPrinter(PrinterRecord& record);

    InstallerSystem& m_system;
    ModelNames m_model;
};

DriverRecord MakeDriverRecord(const ModelNames& model);

} // namespace setup
