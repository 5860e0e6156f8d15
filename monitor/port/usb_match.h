// Recognising the model's USB printer: by its device path among the present printer interfaces at
// start-up, and by the device name of an arrival or removal event afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace monitor {

// "USB#VID_6A2F&PID_1101#" + instance: how an event's device name is compared (any letter case).
std::string UsbDeviceKey(const std::string& usbInstanceId);
// The whole interface path the start-up search expects (compared exactly).
std::string UsbPrinterPath(const std::string& usbInstanceId);

// True when an event's device name (\\?\ prefix, device, "#", interface class) names the device key.
// A name too short for its prefix or without "#" names nothing.
bool DeviceNameMatchesKey(const std::string& deviceName, const std::string& usbDeviceKey);

// The present USB printer interfaces, one index at a time, as SetupAPI hands them out.
class UsbInterfaceList {
public:
    enum class Entry { Path, Failed, NoMoreItems };
    virtual ~UsbInterfaceList() = default;
    virtual Entry PathAt(uint32_t index, std::string& path) = 0;
};

// The start-up walk: true when one interface has exactly the expected path. Indexes that fail are
// skipped; the walk is bounded so that a list which never ends cannot hang the monitor.
bool FindUsbPrinterPath(UsbInterfaceList& interfaces, const std::string& expectedPath);

constexpr uint32_t kMaxUsbInterfaceIndex = 1024;

} // namespace monitor
