// USB device keys, paths and the two ways of matching them.
// Events compare without regard to case (names come in either case); the start-up path exactly.
#include "usb_match.h"

#include <algorithm>
#include <cctype>

namespace monitor {

namespace {
constexpr char kUsbDevicePrefix[] = "USB#VID_6A2F&PID_1101#";
constexpr char kUsbPathPrefix[] = "\\\\?\\usb#vid_6a2f&pid_1101#";
constexpr char kUsbPrintClassSuffix[] = "#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
constexpr size_t kDeviceNamePrefixLength = 4; // "\\?\"

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

std::string UsbDeviceKey(const std::string& usbInstanceId) { return kUsbDevicePrefix + usbInstanceId; }

std::string UsbPrinterPath(const std::string& usbInstanceId) {
    return kUsbPathPrefix + usbInstanceId + kUsbPrintClassSuffix;
}

bool DeviceNameMatchesKey(const std::string& deviceName, const std::string& usbDeviceKey) {
    if (deviceName.size() < kDeviceNamePrefixLength)
        return false;
    const std::string rest = deviceName.substr(kDeviceNamePrefixLength);
    const size_t lastHash = rest.rfind('#');
    if (lastHash == std::string::npos)
        return false;
    return EqualIgnoringCase(rest.substr(0, lastHash), usbDeviceKey);
}

bool FindUsbPrinterPath(UsbInterfaceList& interfaces, const std::string& expectedPath) {
    bool present = false;
    for (uint32_t index = 0; index < kMaxUsbInterfaceIndex; ++index) {
        std::string path;
        const UsbInterfaceList::Entry entry = interfaces.PathAt(index, path);
        if (entry == UsbInterfaceList::Entry::NoMoreItems)
            break;
        if (entry == UsbInterfaceList::Entry::Failed)
            continue;
        present = (path == expectedPath);
        if (present)
            break;
    }
    return present;
}

} // namespace monitor
