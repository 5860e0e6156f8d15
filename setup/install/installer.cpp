// The installation engine's steps and their order. Texts are concatenated, never formatted, so a
// printer name with "%" stays intact; every path is checked against the system's limits before use.
#include "installer.h"

#include <utility>

namespace setup {

namespace {
constexpr uint32_t kDriverVersion3 = 3;
constexpr uint64_t kDriverDate = 0x01C9ED4C39D00000ull;    // 15 June 2009, 00:00 UTC
constexpr uint64_t kDriverVersionNumber = 0x0005000000000006ull; // 5.0.0.6
constexpr char kMaker[] = "QRV Electronics";
constexpr char kMakerUrl[] = "http://www.qrv-electronics.example/";
constexpr uint32_t kPrinterAttributes = 0x4 | 0x200; // default, do complete first
constexpr char kUninstallDisplayName[] = "QRV Electronics Printer Software";
constexpr size_t kProgramsBufferSize = 91;

// RAII for the wait cursor around a step.
class WaitCursor {
public:
    explicit WaitCursor(InstallerSystem& system) : m_system(system) { m_system.ShowWaitCursor(true); }
    ~WaitCursor() { m_system.ShowWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    InstallerSystem& m_system;
};
} // namespace

DriverRecord MakeDriverRecord(const ModelNames& model) {
    DriverRecord driver;
    driver.version = kDriverVersion3;
    driver.name = model.displayName;
    driver.driverPath = "unidrv.dll";
    driver.dataFile = model.gpdFileName;
    driver.configFile = "unidrvui.dll";
    driver.helpFile = "unidrv.hlp";
    driver.dependentFiles = {"QRVE9pin.dll", "unidrvui.dll", "unidrv.dll", "unidrv.hlp", "unires.dll", "stdnames.gpd"};
    driver.driverDate = kDriverDate;
    driver.driverVersion = kDriverVersionNumber;
    driver.manufacturer = kMaker;
    driver.oemUrl = kMakerUrl;
    driver.hardwareId = model.hardwareId;
    driver.provider = kMaker;
    return driver;
}

CInstaller::CInstaller(InstallerSystem& system, ModelNames model) : m_system(system), m_model(std::move(model)) {}

std::string CInstaller::MonitorFolder() const { return layout::MonitorFolder(m_pszDriverDir); }
std::string CInstaller::InstalledMonitor() const { return layout::InstalledMonitor(m_pszDriverDir, m_model.modelId); }
std::string CInstaller::UninstallerPath() const { return layout::UninstallerPath(m_pszDriverDir); }

bool CInstaller::GetDriverDirectory() {
    std::string directory;
    if (!m_system.GetDriverDirectory(directory))
        return false;
    m_pszDriverDir = directory;
    return true;
}

bool CInstaller::InstallDriver() { return m_system.AddPrinterDriver(MakeDriverRecord(m_model)); }

uint32_t CInstaller::TryAddPrinter(PrinterRecord& record) {
    record.name = m_strPrinterName;
    return m_system.AddPrinter(record);
}

bool CInstaller::InstallPrinter() {
    m_strPrinterName = m_model.displayName;
    PrinterRecord record;
    record.shareName = m_model.shareName;
    record.port = m_strPort;
    record.driverName = m_model.displayName;
    record.printProcessor = "winprint";
    record.attributes = kPrinterAttributes;
    record.priority = 1;

    uint32_t error = TryAddPrinter(record);
    for (int attempt = 1; error == kErrorUnknownPort && attempt < kMaxUnknownPortAttempts; ++attempt) {
        m_system.Wait(kUnknownPortWaitMs);
        error = TryAddPrinter(record);
    }
    for (int copy = 1; error == kErrorPrinterAlreadyExists && copy <= kMaxCopyNumber; ++copy) {
        m_strPrinterName = layout::CopyName(m_model.displayName, copy);
        error = TryAddPrinter(record);
    }
    if (error == 0) {
        m_system.SetDefaultPrinter(m_strPrinterName);
        return true;
    }
    if (error == kErrorUnknownPrinterDriver)
        m_system.ShowMessage(kPrinterDriverUnknown, kBoxError);
    return false;
}

bool CInstaller::RegisterInf() {
    if (!GetDriverDirectory())
        return false;
    const std::string infPath = m_pszDriverDir + "\\" + m_model.infFileName;
    if (infPath.size() > kMaxPathLength)
        return false;
    m_szInfPath = infPath;
    const uint32_t error = m_system.CopyOemInf(m_szInfPath);
    return error == 0 || error == kErrorFileExists;
}

bool CInstaller::CopyMonitor() {
    const std::string folder = MonitorFolder();
    const std::string source = "STM\\" + m_model.modelId + ".exe";
    if (folder.size() > kMaxPathLength || source.size() > kMaxMonitorSourceLength)
        return false;
    const uint32_t created = m_system.CreateFolderWithParents(folder);
    if (created != 0 && created != kErrorAlreadyExists)
        return false;
    WaitCursor wait(m_system);
    return m_system.CopyFileIntoFolder(source, folder) == 0;
}

void CInstaller::RegisterMonitorStartup() {
    m_system.SetRunValue(layout::RunValueName(m_model.modelId), MonitorFolder() + m_model.modelId);
}

void CInstaller::CreateMonitorShortcut() {
    const std::string description = "Shortcut to Status Monitor - " + m_model.displayName;
    // The drive of the user's Programs folder; without it, the drive the system lives on.
    std::string drive;
    const std::optional<std::string> programs = m_system.ReadProgramsFolder();
    if (programs.has_value() && !programs->empty() && programs->size() < kProgramsBufferSize)
        drive = programs->substr(0, 1);
    if (drive.empty()) {
        const std::string windows = m_system.WindowsDirectory();
        drive = windows.empty() ? "C" : windows.substr(0, 1);
    }
    m_system.CreateFolder(layout::ShortcutFolder(drive[0]));
    const std::string linkFile = layout::ShortcutFile(drive[0], m_model.modelId);
    if (linkFile.size() > kMaxPathLength)
        return;
    m_system.CreateShortcut(linkFile, InstalledMonitor(), description);
}

bool CInstaller::AddUninstallEntry() {
    const std::string uninstaller = UninstallerPath();
    if (!m_system.OpenUninstallKey())
        return false;
    bool written = m_system.SetUninstallValue("DisplayName", kUninstallDisplayName);
    if (written)
        written = m_system.SetUninstallValue("UninstallString", uninstaller);
    m_system.SetUninstallValue("DisplayIcon", uninstaller);
    m_system.CloseUninstallKey();
    return written;
}

void CInstaller::Install() {
    WaitCursor wait(m_system);
    m_bDirectoryOk = GetDriverDirectory();
    if (!m_bDirectoryOk)
        return;
    m_bDriverOk = InstallDriver();
    if (!m_bDriverOk)
        return;
    m_bPrinterOk = InstallPrinter();
    if (!m_bPrinterOk)
        return;

    if (m_strPrinterName != m_model.displayName) {
        // A printer of that name existed: this one got a copy name and the monitor is left alone.
        m_strMessage = m_strPrinterName + kTextDriverOnly;
    } else if (!CopyMonitor()) {
        m_strMessage = m_strPrinterName + kTextDriverOnly;
    } else {
        RegisterMonitorStartup();
        CreateMonitorShortcut();
        m_system.StartProgram(InstalledMonitor());
        m_strMessage = m_strPrinterName + kTextDriverAndMonitor;
    }
    RegisterInf();
    AddUninstallEntry();
}

void CInstaller::ReportResult() {
    if (!m_bDirectoryOk)
        m_system.ShowMessage(kErrorDirectory, kBoxError);
    else if (!m_bDriverOk)
        m_system.ShowMessage(kErrorDriver, kBoxError);
    else if (!m_bPrinterOk)
        m_system.ShowMessage(kErrorPrinter, kBoxError);
    else
        m_system.ShowMessage(m_strMessage, kBoxInformation);
}

} // namespace setup
