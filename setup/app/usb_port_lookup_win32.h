// The printer's USB port name from the registry data of its USB printing interface.
#pragma once

#include <string>

namespace setup {

// "USB%03d" of the interface's port number; "FALSE", after telling the user to connect the printer
// properly, when the interface is not there or not linked.
std::string LookupUsbPort(const std::string& usbInstanceId);

} // namespace setup
