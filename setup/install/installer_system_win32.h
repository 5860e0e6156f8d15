// The installation engine's system calls on Windows: spooler, SetupAPI, shell, registry, COM shell
// links and message boxes. Thin: every decision is in installer.cpp.
#pragma once

#include "framework/handles.h"
#include "installer_system.h"

namespace setup {

class InstallerSystemWin32 : public InstallerSystem {
public:
    void ShowWaitCursor(bool show) override;
    bool GetDriverDirectory(std::string& directory) override;
    bool AddPrinterDriver(const DriverRecord& driver) override;
    uint32_t AddPrinter(const PrinterRecord& printer) override;
    void SetDefaultPrinter(const std::string& name) override;
    void Wait(uint32_t milliseconds) override;
    uint32_t CopyOemInf(const std::string& infPath) override;
    uint32_t CreateFolderWithParents(const std::string& path) override;
    uint32_t CopyFileIntoFolder(const std::string& source, const std::string& folder) override;
    bool SetRunValue(const std::string& name, const std::string& data) override;
    std::optional<std::string> ReadProgramsFolder() override;
    std::string WindowsDirectory() override;
    void CreateFolder(const std::string& path) override;
    void CreateShortcut(const std::string& linkFile, const std::string& target,
                        const std::string& description) override;
    bool OpenUninstallKey() override;
    bool SetUninstallValue(const std::string& name, const std::string& data) override;
    void CloseUninstallKey() override { m_uninstallKey.Reset(); }
    void StartProgram(const std::string& path) override;
    void ShowMessage(const std::string& text, uint32_t type) override;

private:
    fw::RegKey m_uninstallKey;
    HCURSOR m_previousCursor = nullptr;
    int m_waitDepth = 0;
};

} // namespace setup
