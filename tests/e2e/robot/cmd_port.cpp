// The port-read command: asks the hwinterface driver for one port byte, as the status monitor does.
// The control code and both lengths can be bent so tests reach the driver's refusals too.
#include "commands.h"
#include "owners.h"
#include "report.h"

#include <cstdio>

namespace {

constexpr long long kReadPortCode = 0x9C402004;
// The address, little-endian, then a spare byte so a too-long input can be sent.
constexpr long long kBufferSize = 3;

// "error N" on stdout for the test to assert, the details on stderr.
int port_error(const char* call, DWORD error) {
    print_line("error " + std::to_string(error));
    return win32_error_code(call, error);
}

} // namespace

// Prints the byte as 0x7f; on failure "error N" with the Win32 error, exit 4.
int cmd_port_read(const Args& args) {
    long long address = 0;
    long long code = kReadPortCode;
    long long in_length = 2;
    long long out_length = 1;
    if (!args.require("--address") || !args.number("--address", address) || !args.number("--code", code) ||
        !args.number("--in-len", in_length) || !args.number("--out-len", out_length)) {
        return kUsage;
    }
    if (address < 0 || address > 0xFFFF) {
        return usage("--address is a port from 0 to 0xFFFF");
    }
    if (code < 0 || code > 0xFFFFFFFFLL) {
        return usage("--code is a 32-bit control code");
    }
    if (in_length < 0 || in_length > kBufferSize || out_length < 0 || out_length > kBufferSize) {
        return usage("--in-len and --out-len are 0 to 3");
    }
    HandleOwner device(CreateFileA(args.text("--device", "\\\\.\\hwinterface").c_str(),
                                   GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    if (!device) {
        return port_error("CreateFile", GetLastError());
    }
    // One buffer for both directions, as the driver sees it.
    unsigned char buffer[kBufferSize] = {static_cast<unsigned char>(address & 0xFF),
                                         static_cast<unsigned char>(address >> 8), 0};
    DWORD returned = 0;
    if (!DeviceIoControl(device.get(), static_cast<DWORD>(code), buffer, static_cast<DWORD>(in_length),
                         buffer, static_cast<DWORD>(out_length), &returned, nullptr)) {
        return port_error("DeviceIoControl", GetLastError());
    }
    if (returned < 1) {
        return report(kFailed, "the driver answered no byte");
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", buffer[0]);
    print_line(text);
    return kDone;
}
