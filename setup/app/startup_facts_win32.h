// What the setup program's start-up checks ask the system: its single-instance lock, the system
// version, whether it runs under WOW64, and whether the user is an administrator.
#pragma once

#include "framework/handles.h"
#include "setup/app/startup_checks.h"

namespace setup {

// The named mutex that marks a running copy. Only its existence matters: it is never waited on.
class InstanceLock {
public:
    InstanceLock();
    bool AnotherCopyRunning() const { return m_bAlreadyExists; }

private:
    fw::KernelHandle m_mutex; // empty when creating it failed: start-up goes on without the lock
    bool m_bAlreadyExists = false;
};

StartupFacts ReadStartupFacts(const InstanceLock& lock);

} // namespace setup
