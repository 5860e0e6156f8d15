// Arrival matching reuses the monitor's device-name rule, so both programs recognise the same printer.
#include "usb_port.h"

#include <cstdio>

#include "monitor/port/usb_match.h"

namespace setup {

namespace {
constexpr char kUsbPrintClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
constexpr char kInterfaceNamePrefix[] = "##?#USB#Vid_6a2f&Pid_1101#";
constexpr char kInterfaceNameSuffix[] = "#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
constexpr uint32_t kLinked = 1;
} // namespace

bool IsModelPrinterArrival(const std::string& deviceName, const std::string& usbInstanceId) {
    return monitor::DeviceNameMatchesKey(deviceName, monitor::UsbDeviceKey(usbInstanceId));
}

std::string UsbInterfaceKeyPath(const std::string& usbInstanceId) {
    return std::string(kUsbPrintClassKey) + "\\" + kInterfaceNamePrefix + usbInstanceId + kInterfaceNameSuffix;
}

std::string UsbPortName(uint32_t portNumber) {
    char name[16];
    std::snprintf(name, sizeof(name), "USB%03u", static_cast<unsigned>(portNumber));
    return name;
}

std::optional<std::string> UsbPortFromFacts(const UsbPortFacts& facts) {
    if (facts.linked != kLinked || !facts.parametersOpened)
        return std::nullopt;
    return UsbPortName(facts.portNumber.value_or(*facts.linked));
}

} // namespace setup
