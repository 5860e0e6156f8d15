// A UsbInterfaceList over a fixed list of interface paths, whose calls can be made to fail. A failing
// index still writes its path, as a half-filled detail buffer would, so the logic must not read it.
#pragma once

#include "monitor/port/usb_match.h"

#include "fault_plan.h"

#include <string>
#include <utility>
#include <vector>

class FakeUsbInterfaces : public monitor::UsbInterfaceList {
public:
    explicit FakeUsbInterfaces(std::vector<std::string> paths) : m_paths(std::move(paths)) {}

    Entry PathAt(uint32_t index, std::string& path) override {
        const bool fails = faults.Fails("PathAt", std::to_string(index));
        if (index < m_paths.size())
            path = m_paths[index];
        if (fails)
            return Entry::Failed;
        return index < m_paths.size() ? Entry::Path : Entry::NoMoreItems;
    }

    FaultPlan faults;

private:
    std::vector<std::string> m_paths;
};
