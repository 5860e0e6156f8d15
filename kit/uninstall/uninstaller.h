// CUninstaller: removes what the kit's setup program added for one model, after asking, and reports
// what could not go. Every step goes through an UninstallSystem; nothing found is not a failure.
#pragma once

#include "uninstall_system.h"

#include <string>
#include <vector>

namespace uninstall {

struct ModelNames {
    std::string displayName;
    std::string modelId;
};

// Process exit codes, for scripts and tests.
constexpr int kExitRemoved = 0;
constexpr int kExitIncomplete = 1;
constexpr int kExitDeclined = 2;

// The monitor needs a moment to take its icon away and close its driver handle.
constexpr uint32_t kMonitorExitWaitMs = 5000;

class CUninstaller {
public:
    CUninstaller(UninstallSystem& system, ModelNames model, bool quiet);

    int Run();
    const std::vector<std::string>& Leftovers() const { return m_leftovers; }

private:
    void StopMonitor();
    void RemovePrinters();
    void RemoveDriver();
    void RemoveStartup();
    void RemoveMonitorFiles();
    void RemoveShortcut();
    void RemoveUninstallEntry();
    // Records a leftover unless the error means the thing was not there (or `tolerated`).
    void Check(uint32_t error, const std::string& what, uint32_t tolerated = 0);

    UninstallSystem& m_system;
    ModelNames m_model;
    bool m_quiet;
    std::vector<std::string> m_leftovers;
};

} // namespace uninstall
