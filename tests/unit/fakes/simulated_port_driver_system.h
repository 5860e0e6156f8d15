// A PortDriverSystem over a modelled machine (the driver image, its service installed or running, the
// user's rights) rather than a script, so that a run after a failed one meets what that one left.
#pragma once

#include "monitor/port/port_driver.h"

#include "fault_plan.h"

#include <cstdio>
#include <string>

class SimulatedPortDriverSystem : public monitor::PortDriverSystem {
public:
    // The machine.
    bool administrator = true;
    bool imageWritten = false;
    bool serviceInstalled = false;
    bool serviceRunning = false;

    // The handles, one of each kind as the adapter holds them (a new open replaces the old one).
    bool deviceOpen = false;
    bool managerOpen = false;
    bool managerFullAccess = false;
    bool serviceOpen = false;
    // Service handles asked for without an open manager.
    int servicesWithoutManager = 0;

    FaultPlan faults;

    bool OpenDevice() override {
        deviceOpen = !faults.Fails("OpenDevice") && serviceRunning;
        return deviceOpen;
    }
    bool OpenManager(uint32_t access, uint32_t& error) override {
        managerOpen = false;
        if (faults.Fails("OpenManager", Hex(access))) {
            error = faults.error;
            return false;
        }
        if (access == monitor::kScmAllAccess && !administrator) {
            error = monitor::kErrorAccessDenied;
            return false;
        }
        error = 0;
        managerOpen = true;
        managerFullAccess = access == monitor::kScmAllAccess;
        return true;
    }
    bool OpenDriverService(uint32_t access) override {
        serviceOpen = false;
        if (faults.Fails("OpenDriverService", Hex(access)))
            return false;
        servicesWithoutManager += managerOpen ? 0 : 1;
        serviceOpen = managerOpen && serviceInstalled;
        return serviceOpen;
    }
    bool StartDriverService() override {
        if (faults.Fails("StartDriverService") || !serviceOpen || serviceRunning || !imageWritten)
            return false; // a running service answers "already running"; a missing image does not load
        serviceRunning = true;
        return true;
    }
    bool WriteDriverImage() override {
        if (faults.Fails("WriteDriverImage") || !administrator)
            return false;
        imageWritten = true;
        return true;
    }
    bool CreateDriverService() override {
        serviceOpen = false;
        if (faults.Fails("CreateDriverService"))
            return false;
        servicesWithoutManager += managerOpen ? 0 : 1;
        if (!managerOpen || !managerFullAccess || serviceInstalled)
            return false;
        serviceInstalled = true;
        serviceOpen = true;
        return true;
    }
    void CloseDriverService() override {
        faults.Note("CloseDriverService");
        serviceOpen = false;
    }
    void CloseManager() override {
        faults.Note("CloseManager");
        managerOpen = false;
    }

private:
    static std::string Hex(uint32_t value) {
        char text[16];
        std::snprintf(text, sizeof(text), "%X", value);
        return text;
    }
};
