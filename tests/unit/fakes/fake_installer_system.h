// A scripted InstallerSystem: a spooler with existing printers and chosen failures, and a record of
// everything written (registry values, files, shortcut, messages) for the tests to read back.
#pragma once

#include "setup/install/installer_system.h"

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

    void ShowWaitCursor(bool show) override { cursorDepth += show ? 1 : -1; }
    bool GetDriverDirectory(std::string& out) override {
        calls.push_back("GetDriverDirectory");
        if (directoryOk)
            out = directory;
        return directoryOk;
    }
    bool AddPrinterDriver(const setup::DriverRecord& driver) override {
        calls.push_back("AddPrinterDriver");
        drivers.push_back(driver);
        return driverOk;
    }
    uint32_t AddPrinter(const setup::PrinterRecord& printer) override {
        calls.push_back("AddPrinter");
        printerAttempts.push_back(printer);
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
    void SetDefaultPrinter(const std::string& name) override { defaultPrinter = name; }
    void Wait(uint32_t ms) override {
        ++waits;
        waitedMs += ms;
    }
    uint32_t CopyOemInf(const std::string& path) override {
        calls.push_back("CopyOemInf");
        infs.push_back(path);
        return oemInfError;
    }
    uint32_t CreateFolderWithParents(const std::string& path) override {
        folders.push_back(path);
        return createFolderResult;
    }
    uint32_t CopyFileIntoFolder(const std::string& source, const std::string& folder) override {
        calls.push_back("CopyMonitor");
        copies.emplace_back(source, folder);
        return copyResult;
    }
    bool SetRunValue(const std::string& name, const std::string& data) override {
        calls.push_back("SetRunValue");
        if (runKeyOpens)
            runValues[name] = data;
        return runKeyOpens;
    }
    std::optional<std::string> ReadProgramsFolder() override { return programs; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    void CreateFolder(const std::string& path) override { folders.push_back(path); }
    void CreateShortcut(const std::string& file, const std::string& target, const std::string& description) override {
        calls.push_back("CreateShortcut");
        shortcuts.push_back({file, target, description});
    }
    bool OpenUninstallKey() override {
        calls.push_back("OpenUninstallKey");
        return uninstallKeyOpens;
    }
    bool SetUninstallValue(const std::string& name, const std::string& data) override {
        uninstallWrites.push_back(name);
        if (failingUninstallValues.count(name))
            return false;
        uninstallValues[name] = data;
        return true;
    }
    void CloseUninstallKey() override { calls.push_back("CloseUninstallKey"); }
    void StartProgram(const std::string& path) override {
        calls.push_back("StartProgram");
        started.push_back(path);
    }
    void ShowMessage(const std::string& text, uint32_t type) override { messages.emplace_back(text, type); }
};
