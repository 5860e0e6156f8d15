// The driver open/start/install fallback.
// Without administrator rights the manager refuses full access; a start with read access may still work.
#include "port_driver.h"

namespace monitor {

namespace {
bool StartOpenedService(PortDriverSystem& system) {
    const bool started = system.StartDriverService();
    system.CloseDriverService();
    return started;
}
} // namespace

bool StartPortDriver(PortDriverSystem& system) {
    uint32_t error = 0;
    bool started = false;
    if (system.OpenManager(kScmAllAccess, error)) {
        if (system.OpenDriverService(kGenericExecute))
            started = StartOpenedService(system);
    } else if (error == kErrorAccessDenied && system.OpenManager(kGenericRead, error)) {
        if (system.OpenDriverService(kGenericExecute))
            started = StartOpenedService(system);
    } else {
        return false;
    }
    system.CloseManager();
    return started;
}

void InstallPortDriver(PortDriverSystem& system) {
    system.WriteDriverImage();
    uint32_t error = 0;
    if (!system.OpenManager(kScmAllAccess, error))
        return;
    system.CreateDriverService();
    system.CloseDriverService();
    system.CloseManager();
}

bool OpenPortDriver(PortDriverSystem& system) {
    if (system.OpenDevice())
        return true;
    if (StartPortDriver(system))
        return system.OpenDevice();
    InstallPortDriver(system);
    StartPortDriver(system);
    return system.OpenDevice();
}

} // namespace monitor
