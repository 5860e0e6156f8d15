// The uninstaller's steps and their order: the monitor first (it holds the printer open), then the
// printers before their driver, then start-up, files and the uninstall entry, and the report last.
#include "uninstaller.h"

#include "monitor/app/monitor_texts.h"
#include "monitor/res/resource.h"
#include "removal_names.h"

#include <utility>

namespace uninstall {

namespace {

bool MeansAbsent(uint32_t error) {
    return error == kErrorFileNotFound || error == kErrorPathNotFound ||
           error == kErrorUnknownPrinterDriver || error == kErrorInvalidPrinterName;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

CUninstaller::CUninstaller(UninstallSystem& system, ModelNames model, bool quiet)
    : m_system(system), m_model(std::move(model)), m_quiet(quiet) {}

void CUninstaller::Check(uint32_t error, const std::string& what, uint32_t tolerated) {
    if (error == 0 || MeansAbsent(error) || (tolerated != 0 && error == tolerated))
        return;
    m_leftovers.push_back(what + " (error " + std::to_string(error) + ")");
}

void CUninstaller::StopMonitor() {
    const std::string caption = monitor::WindowCaption(m_model.displayName);
    if (!m_system.EndProgramOfWindow(caption, ID_MONITOR_EXIT, kMonitorExitWaitMs))
        m_leftovers.push_back("the running status monitor " + Quoted(caption));
}

void CUninstaller::RemovePrinters() {
    std::vector<std::string> printers;
    if (uint32_t error = m_system.LocalPrinters(printers)) {
        Check(error, "the list of printers");
        return;
    }
    for (const std::string& name : printers) {
        if (IsPrinterOfModel(name, m_model.displayName))
            Check(m_system.RemovePrinter(name), "the printer " + Quoted(name));
    }
}

void CUninstaller::RemoveDriver() {
    // The spooler may still hold a printer just deleted; the driver then goes with the next restart.
    Check(m_system.RemovePrinterDriver(m_model.displayName),
          "the printer driver " + Quoted(m_model.displayName), kErrorPrinterDriverInUse);
}

void CUninstaller::RemoveStartup() {
    const std::string name = RunValueName(m_model.modelId);
    Check(m_system.RemoveRunValue(name), "the start-up entry " + Quoted(name));
}

void CUninstaller::RemoveMonitorFiles() {
    const std::optional<std::string> directory = m_system.DriverDirectory();
    if (!directory) {
        m_leftovers.push_back("the status monitor's files (no printer driver directory)");
        return;
    }
    // Other models' monitors may share the folder: only this model's file goes, the folder when empty.
    const std::string file = MonitorFile(*directory, m_model.modelId);
    Check(m_system.RemoveFile(file), file);
    const std::string folder = MonitorFolder(*directory);
    Check(m_system.RemoveEmptyFolder(folder), folder, kErrorDirNotEmpty);
}

void CUninstaller::RemoveShortcut() {
    for (char drive : ShortcutDrives(m_system.ProgramsFolder(), m_system.WindowsDirectory())) {
        const std::string file = ShortcutFile(drive, m_model.modelId);
        Check(m_system.RemoveFile(file), file);
        const std::string folder = ShortcutFolder(drive);
        Check(m_system.RemoveEmptyFolder(folder), folder, kErrorDirNotEmpty);
    }
}

void CUninstaller::RemoveUninstallEntry() {
    Check(m_system.RemoveUninstallKey(kUninstallKey), std::string("the uninstall entry ") + kUninstallKey);
}

int CUninstaller::Run() {
    if (!m_quiet && !m_system.AskYesNo(ConfirmText(m_model.displayName)))
        return kExitDeclined;
    m_leftovers.clear();
    StopMonitor();
    RemovePrinters();
    RemoveDriver();
    RemoveStartup();
    RemoveMonitorFiles();
    RemoveShortcut();
    RemoveUninstallEntry();
    const bool complete = m_leftovers.empty();
    if (!m_quiet) {
        m_system.ShowMessage(complete ? DoneText(m_model.displayName)
                                      : IncompleteText(m_model.displayName, m_leftovers),
                             !complete);
    }
    return complete ? kExitRemoved : kExitIncomplete;
}

} // namespace uninstall
