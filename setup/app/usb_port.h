// The USB auto-detect dialog's decisions: which arrival is the model's printer, and which port name the
// registry data of the printer's USB printing interface gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace setup {

// The arrival's device name (\\?\USB#VID_6A2F&PID_1101#<instance>#{class}) names the model's printer.
// Case is ignored; a name shorter than its prefix or without "#" names nothing.
bool IsModelPrinterArrival(const std::string& deviceName, const std::string& usbInstanceId);

// The printer's interface key below HKLM, and the keys and values the lookup reads under it.
std::string UsbInterfaceKeyPath(const std::string& usbInstanceId);
constexpr char kUsbInterfaceLinkKey[] = "#";
constexpr char kUsbControlKey[] = "Control";
constexpr char kUsbLinkedValue[] = "Linked";
constexpr char kUsbParametersKey[] = "Device Parameters";
constexpr char kUsbPortNumberValue[] = "Port Number";

// What the registry answered; nothing where a key could not be opened or a value read.
struct UsbPortFacts {
    std::optional<uint32_t> linked;  // "#\Control" opened and "Linked" read
    bool parametersOpened = false;   // "#\Device Parameters"
    std::optional<uint32_t> portNumber;
};

// "USB%03d" of the port number: 1 gives "USB001".
std::string UsbPortName(uint32_t portNumber);

// The port the printer was given, or nothing when the interface is not linked (the printer is not
// connected properly). A missing port number leaves the "Linked" value's 1 in its place: USB001.
std::optional<std::string> UsbPortFromFacts(const UsbPortFacts& facts);

// What the lookup yields for a printer it could not find: a port name the spooler does not know.
constexpr char kNoUsbPort[] = "FALSE";

} // namespace setup
