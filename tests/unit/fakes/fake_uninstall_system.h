// A scripted UninstallSystem: printers, files, folders and registry values that exist, chosen errors,
// and a record of every call, so that the tests can check what was removed and in which order. Through
// `faults` any call can be made to fail.
#pragma once

#include "kit/uninstall/uninstall_system.h"

#include "fault_plan.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class FakeUninstallSystem : public uninstall::UninstallSystem {
public:
    // Script.
    bool answerYes = true;
    bool monitorEnds = true;
    uint32_t enumerationError = 0;
    std::vector<std::string> printers;
    std::map<std::string, uint32_t> printerErrors; // by name
    bool driverInstalled = true;
    uint32_t driverError = 0;
    std::optional<std::string> driverDirectory = std::string("C:\\windows\\system32\\spool\\drivers\\w32x86");
    std::set<std::string> runValues;
    bool uninstallKey = true;
    std::set<std::string> files;
    std::set<std::string> folders;
    std::map<std::string, uint32_t> fileErrors; // by path
    std::optional<std::string> programs = std::string("C:\\users\\user\\Start Menu\\Programs");
    std::string windows = "C:\\windows";
    // Printers that use the driver: while one of them is left, the spooler keeps the driver (in use).
    std::set<std::string> driverUsers;
    FaultPlan faults;

    // Record.
    std::vector<std::string> calls;
    std::vector<std::string> questions;
    struct Message {
        std::string text;
        bool warning;
    };
    std::vector<Message> messages;
    std::vector<std::string> endedCaptions;
    std::vector<uint32_t> endCommands;

    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (faults.Fails("AskYesNo"))
            return false; // a box that cannot be shown answers neither Yes nor No
        return answerYes;
    }
    void ShowMessage(const std::string& text, bool warning) override {
        faults.Note("ShowMessage");
        messages.push_back({text, warning});
    }
    bool EndProgramOfWindow(const std::string& caption, uint32_t command, uint32_t) override {
        calls.push_back("EndProgram");
        endedCaptions.push_back(caption);
        endCommands.push_back(command);
        if (faults.Fails("EndProgramOfWindow"))
            return false;
        return monitorEnds;
    }
    uint32_t LocalPrinters(std::vector<std::string>& names) override {
        calls.push_back("LocalPrinters");
        if (faults.Fails("LocalPrinters"))
            return faults.error;
        names = printers;
        return enumerationError;
    }
    uint32_t RemovePrinter(const std::string& name) override {
        calls.push_back("RemovePrinter " + name);
        if (faults.Fails("RemovePrinter", name))
            return faults.error;
        auto error = printerErrors.find(name);
        if (error != printerErrors.end())
            return error->second;
        for (auto it = printers.begin(); it != printers.end(); ++it) {
            if (*it == name) {
                printers.erase(it);
                return 0;
            }
        }
        return uninstall::kErrorInvalidPrinterName;
    }
    uint32_t RemovePrinterDriver(const std::string& name) override {
        calls.push_back("RemovePrinterDriver " + name);
        if (faults.Fails("RemovePrinterDriver", name))
            return faults.error;
        if (driverError)
            return driverError;
        for (const std::string& printer : printers) {
            if (driverInstalled && driverUsers.count(printer))
                return uninstall::kErrorPrinterDriverInUse;
        }
        const bool was = driverInstalled;
        driverInstalled = false;
        return was ? 0 : uninstall::kErrorUnknownPrinterDriver;
    }
    std::optional<std::string> DriverDirectory() override {
        if (faults.Fails("DriverDirectory"))
            return std::nullopt;
        return driverDirectory;
    }
    uint32_t RemoveRunValue(const std::string& name) override {
        calls.push_back("RemoveRunValue " + name);
        if (faults.Fails("RemoveRunValue", name))
            return faults.error;
        return runValues.erase(name) ? 0 : uninstall::kErrorFileNotFound;
    }
    uint32_t RemoveUninstallKey(const std::string& path) override {
        calls.push_back("RemoveUninstallKey " + path);
        if (faults.Fails("RemoveUninstallKey"))
            return faults.error;
        const bool was = uninstallKey;
        uninstallKey = false;
        return was ? 0 : uninstall::kErrorFileNotFound;
    }
    uint32_t RemoveFile(const std::string& path) override {
        calls.push_back("RemoveFile " + path);
        if (faults.Fails("RemoveFile", path))
            return faults.error;
        auto error = fileErrors.find(path);
        if (error != fileErrors.end())
            return error->second;
        return files.erase(path) ? 0 : uninstall::kErrorFileNotFound;
    }
    uint32_t RemoveEmptyFolder(const std::string& path) override {
        calls.push_back("RemoveEmptyFolder " + path);
        if (faults.Fails("RemoveEmptyFolder", path))
            return faults.error;
        if (!folders.count(path))
            return uninstall::kErrorFileNotFound;
        for (const std::string& file : files) {
            if (file.compare(0, path.size() + 1, path + "\\") == 0)
                return uninstall::kErrorDirNotEmpty;
        }
        folders.erase(path);
        return 0;
    }
    std::optional<std::string> ProgramsFolder() override {
        if (faults.Fails("ProgramsFolder"))
            return std::nullopt;
        return programs;
    }
    std::string WindowsDirectory() override {
        if (faults.Fails("WindowsDirectory"))
            return std::string();
        return windows;
    }
};
