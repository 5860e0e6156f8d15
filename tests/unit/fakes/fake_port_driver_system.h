// A scripted PortDriverSystem: each platform step answers as the test says, every call is logged, and
// open handles are counted so that a test sees any left open.
#pragma once

#include "monitor/port/port_driver.h"

#include <cstdio>
#include <string>
#include <vector>

class FakePortDriverSystem : public monitor::PortDriverSystem {
public:
    // Answers, set by the test.
    std::vector<bool> deviceOpens;  // one per OpenDevice call, in order; false once exhausted
    bool managerFullAccess = true;
    uint32_t managerError = 0;      // when full access is refused
    bool managerReadAccess = true;
    bool serviceExists = true;
    bool startSucceeds = true;
    bool imageWritable = true;
    bool createSucceeds = true;

    std::vector<std::string> calls;
    int openManagers = 0;
    int openServices = 0;

    bool OpenDevice() override {
        calls.push_back("OpenDevice");
        const size_t index = m_deviceCalls++;
        return index < deviceOpens.size() && deviceOpens[index];
    }
    bool OpenManager(uint32_t access, uint32_t& error) override {
        calls.push_back("OpenManager " + Hex(access));
        const bool opened = access == monitor::kScmAllAccess ? managerFullAccess : managerReadAccess;
        error = opened ? 0 : managerError;
        if (opened)
            ++openManagers;
        return opened;
    }
    bool OpenDriverService(uint32_t access) override {
        calls.push_back("OpenService " + Hex(access));
        if (serviceExists)
            ++openServices;
        return serviceExists;
    }
    bool StartDriverService() override {
        calls.push_back("StartService");
        return startSucceeds;
    }
    bool WriteDriverImage() override {
        calls.push_back("WriteImage");
        return imageWritable;
    }
    bool CreateDriverService() override {
        calls.push_back("CreateService");
        if (createSucceeds) {
            ++openServices;
            serviceExists = true;
        }
        return createSucceeds;
    }
    void CloseDriverService() override {
        if (openServices > 0)
            --openServices;
    }
    void CloseManager() override {
        if (openManagers > 0)
            --openManagers;
    }

private:
    static std::string Hex(uint32_t value) {
        char text[16];
        std::snprintf(text, sizeof(text), "%X", value);
        return text;
    }
    size_t m_deviceCalls = 0;
};
