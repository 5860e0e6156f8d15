// A scripted InstallerSystem: a spooler with existing printers and chosen failures, and a record of
// everything written (registry values, files, shortcut, messages) for the tests to read back. Through
// `faults` any call can be made to fail; the uninstall key's opening and closing are tracked.
#pragma once

#include "setup/install/installer_system.h"

#include "fault_plan.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class FakeInstallerSystem : public setup::InstallerSystem {
public:
    // Script.
    bool directoryOk = true;
    std::string directory = "C:\\windows\\system32\\spool\\drivers\\w32x86";
    bool driverOk = true;
    std::set<std::string> existingPrinters;
    int unknownPortAttempts = 0;       // this many AddPrinter calls answer ERROR_UNKNOWN_PORT first
    uint32_t printerError = 0;         // when not 0, every AddPrinter answers it
    uint32_t oemInfError = 0;
    uint32_t createFolderResult = 0;
    uint32_t copyResult = 0;
    bool runKeyOpens = true;
    std::optional<std::string> programs = std::string("C:\\users\\user\\Start Menu\\Programs");
    std::string windowsDirectory = "C:\\windows";
    bool uninstallKeyOpens = true;
    std::set<std::string> failingUninstallValues;

    // Record.
    std::vector<std::string> calls;
    std::vector<setup::DriverRecord> drivers;
    std::vector<setup::PrinterRecord> printerAttempts;
    std::string defaultPrinter;
    int waits = 0;
    uint32_t waitedMs = 0;
    int cursorDepth = 0;
    std::vector<std::string> infs;
    std::vector<std::pair<std::string, std::string>> copies;
    std::map<std::string, std::string> runValues;
    std::vector<std::string> folders;
    struct Shortcut {
        std::string file, target, description;
    };
    std::vector<Shortcut> shortcuts;
    std::map<std::string, std::string> uninstallValues;
    std::vector<std::string> uninstallWrites;
    std::vector<std::string> started;
    std::vector<std::pair<std::string, uint32_t>> messages;
    FaultPlan faults;
    bool uninstallKeyOpen = false;
    // Writes to a key that is not open, opens of an open key, closes of a closed one.
    int uninstallKeyMisuses = 0;

    void ShowWaitCursor(bool show) override {
        faults.Note("ShowWaitCursor", show ? "on" : "off");
        cursorDepth += show ? 1 : -1;
    }
    bool GetDriverDirectory(std::string& out) override {
        calls.push_back("GetDriverDirectory");
        if (faults.Fails("GetDriverDirectory"))
            return false;
        if (directoryOk)
            out = directory;
        return directoryOk;
    }
    bool AddPrinterDriver(const setup::DriverRecord& driver) override {
        calls.push_back("AddPrinterDriver");
        drivers.push_back(driver);
        if (faults.Fails("AddPrinterDriver"))
            return false;
        return driverOk;
    }
    uint32_t AddPrinter(const setup::PrinterRecord& printer) override {
        calls.push_back("AddPrinter");
        printerAttempts.push_back(printer);
        if (faults.Fails("AddPrinter", printer.name))
            return faults.error;
        if (unknownPortAttempts > 0) {
            --unknownPortAttempts;
            return setup::kErrorUnknownPort;
        }
        if (printerError)
            return printerError;
        if (!existingPrinters.insert(printer.name).second)
            return setup::kErrorPrinterAlreadyExists;
        return 0;
    }
    void SetDefaultPrinter(const std::string& name) override {
        if (!faults.Fails("SetDefaultPrinter", name))
            defaultPrinter = name;
    }
    void Wait(uint32_t ms) override {
        faults.Note("Wait");
        ++waits;
        waitedMs += ms;
    }
    uint32_t CopyOemInf(const std::string& path) override {
        calls.push_back("CopyOemInf");
        infs.push_back(path);
        if (faults.Fails("CopyOemInf"))
            return faults.error;
        return oemInfError;
    }
    uint32_t CreateFolderWithParents(const std::string& path) override {
        folders.push_back(path);
        if (faults.Fails("CreateFolderWithParents"))
            return faults.error;
        return createFolderResult;
    }
    uint32_t CopyFileIntoFolder(const std::string& source, const std::string& folder) override {
        calls.push_back("CopyMonitor");
        copies.emplace_back(source, folder);
        if (faults.Fails("CopyFileIntoFolder"))
            return faults.error;
        return copyResult;
    }
    bool SetRunValue(const std::string& name, const std::string& data) override {
        calls.push_back("SetRunValue");
        if (faults.Fails("SetRunValue", name))
            return false;
        if (runKeyOpens)
            runValues[name] = data;
        return runKeyOpens;
    }
    std::optional<std::string> ReadProgramsFolder() override {
        if (faults.Fails("ReadProgramsFolder"))
            return std::nullopt;
        return programs;
    }
    std::string WindowsDirectory() override {
        if (faults.Fails("WindowsDirectory"))
            return std::string();
        return windowsDirectory;
    }
    void CreateFolder(const std::string& path) override {
        if (!faults.Fails("CreateFolder", path))
            folders.push_back(path);
    }
    void CreateShortcut(const std::string& file, const std::string& target, const std::string& description) override {
        calls.push_back("CreateShortcut");
        if (!faults.Fails("CreateShortcut"))
            shortcuts.push_back({file, target, description});
    }
    bool OpenUninstallKey() override {
        calls.push_back("OpenUninstallKey");
        if (faults.Fails("OpenUninstallKey") || !uninstallKeyOpens)
            return false;
        uninstallKeyMisuses += uninstallKeyOpen ? 1 : 0;
        uninstallKeyOpen = true;
        return true;
    }
    bool SetUninstallValue(const std::string& name, const std::string& data) override {
        uninstallWrites.push_back(name);
        uninstallKeyMisuses += uninstallKeyOpen ? 0 : 1;
        if (faults.Fails("SetUninstallValue", name) || failingUninstallValues.count(name))
            return false;
        uninstallValues[name] = data;
        return true;
    }
    void CloseUninstallKey() override {
        calls.push_back("CloseUninstallKey");
        faults.Note("CloseUninstallKey");
        uninstallKeyMisuses += uninstallKeyOpen ? 0 : 1;
        uninstallKeyOpen = false;
    }
    void StartProgram(const std::string& path) override {
        calls.push_back("StartProgram");
        if (!faults.Fails("StartProgram"))
            started.push_back(path);
    }
    void ShowMessage(const std::string& text, uint32_t type) override {
        faults.Note("ShowMessage");
        messages.emplace_back(text, type);
    }
};
