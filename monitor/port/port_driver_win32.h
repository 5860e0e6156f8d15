// The platform steps of reaching the port I/O driver: its device, its kernel driver service, and the
// driver image the monitor carries as resource BIN 164.
#pragma once

#include "framework/handles.h"
#include "monitor/port/port_driver.h"

namespace monitor {

class PortDriverSystemWin32 : public PortDriverSystem {
public:
    // device: where the open device handle is kept; a new open replaces (and closes) the old one.
    explicit PortDriverSystemWin32(fw::FileHandle& device) : m_device(device) {}

    bool OpenDevice() override;
    bool OpenManager(uint32_t access, uint32_t& error) override;
    bool OpenDriverService(uint32_t access) override;
    bool StartDriverService() override;
    bool WriteDriverImage() override;
    bool CreateDriverService() override;
    void CloseDriverService() override { m_service.Reset(); }
    void CloseManager() override { m_manager.Reset(); }

private:
    fw::FileHandle& m_device;
    fw::ServiceHandle m_manager;
    fw::ServiceHandle m_service;
};

} // namespace monitor
