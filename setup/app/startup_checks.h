// The setup program's start-up refusals, in their fixed order: another copy running, a system other
// than Windows Vista, a 32-bit program on 64-bit Windows, no administrator rights.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace setup {

constexpr char kTextAlreadyRunning[] =
    "Another application is already running. Please terminate the previous application.";
constexpr char kTextVistaOnly[] = "The application will run only in Windows Vista (32 Bit) Operating System.";
// No blank before the parenthesis: the 64-bit refusal is worded so.
constexpr char kTextVista32Only[] = "The application will run only in Windows Vista(32 Bit) Operating System.";
constexpr char kTextAdministrator[] =
    "Administrator Privileges required to install Printer Drivers.\nRight Click the \"Setup\" application and "
    "select \"Run As...\" and log in as Administrator.";

struct StartupFacts {
    bool anotherCopyRunning = false;
    uint32_t majorVersion = 0; // 0.0 when the version query failed
    uint32_t minorVersion = 0;
    bool wow64 = false;        // false where the system cannot say
    bool administrator = false;
};

// The message of the first refusal, or nothing when the setup program may run.
std::optional<std::string> StartupRefusal(const StartupFacts& facts);

} // namespace setup
