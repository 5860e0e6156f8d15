// Reaching the port I/O driver: open its device; failing that start its service; failing that install
// it (image and service) and start it. The platform steps sit behind PortDriverSystem.
#pragma once

#include <cstdint>

namespace monitor {

constexpr uint32_t kScmAllAccess = 0xF003F;
constexpr uint32_t kGenericRead = 0x80000000;
constexpr uint32_t kGenericExecute = 0x20000000;
constexpr uint32_t kErrorAccessDenied = 5;

class PortDriverSystem {
public:
    virtual ~PortDriverSystem() = default;
    // Opens "\\.\hwinterface" and keeps the handle (replacing and closing an older one); true when valid.
    virtual bool OpenDevice() = 0;
    // The local service control manager; on failure error holds the last error.
    virtual bool OpenManager(uint32_t access, uint32_t& error) = 0;
    virtual bool OpenDriverService(uint32_t access) = 0;
    virtual bool StartDriverService() = 0;
    // Writes the driver image from the program's resources into the system's driver folder.
    virtual bool WriteDriverImage() = 0;
    // Creates the kernel driver service with its fixed parameters; an existing one fails, harmlessly.
    virtual bool CreateDriverService() = 0;
    virtual void CloseDriverService() = 0;
    virtual void CloseManager() = 0;
};

// True when the service was started by this call (a service already running counts as not started).
bool StartPortDriver(PortDriverSystem& system);
void InstallPortDriver(PortDriverSystem& system);
// True when the device is open at the end.
bool OpenPortDriver(PortDriverSystem& system);

} // namespace monitor
