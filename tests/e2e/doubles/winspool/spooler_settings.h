// What a test script has told the spooler double through HKCU\Software\QrvKitTest\Spooler, read afresh
// on every call so that changes made while the program under test runs are seen at once.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace spooler_settings {

// One port of the spooler's list. A port without a description has none at all, not an empty one.
struct Port {
    std::string name;
    std::optional<std::string> description;
};

// The one printer name OpenPrinterA accepts; false when none is set.
bool printer_name(std::string& name);
// The printer's port; empty when none is set.
std::string port();
// The queue status word; 0 when none is set.
DWORD status();
// The number of queued jobs, one per entry of "Jobs".
DWORD job_count();
// One status word per queued job; false when an entry is not a hex word such as "0x10".
bool job_words(std::vector<DWORD>& words);

// The ports EnumPortsA lists, in the order of the REG_MULTI_SZ "Ports": each entry "name<TAB>description",
// or "name" alone for a port whose description is null ("name<TAB>" gives an empty one). A missing or
// empty value lists no ports.
std::vector<Port> ports();
// The error every EnumPortsA call fails with while the DWORD "EnumPortsError" is set and not 0.
DWORD enum_ports_error();

// Printers the spooler already holds, from the REG_MULTI_SZ "ExistingPrinters": AddPrinterA refuses
// their names with ERROR_PRINTER_ALREADY_EXISTS, as a real spooler does for a second installation.
bool printer_exists(const std::string& name);
// The error AddPrinterA fails with for any other name while the DWORD "AddPrinterError" is set and not 0
// (ERROR_UNKNOWN_PORT, say, for a port the spooler never learns).
DWORD add_printer_error();

void record_open_access(DWORD access);
// Writes the name AddPrinterA was asked for to "LastPrinterName", and the default printer's name to
// "DefaultPrinter".
void record_printer_name(const char* name);
void record_default_printer(const char* name);
// Writes the port AddPrinterA was asked for to "LastPrinterPort"; empty when it was given none.
void record_printer_port(const char* port);
void count_open();
void count_close();

// True (with ERROR_ACCESS_DENIED as the last error) when "FailCall" names this function.
bool call_refused(const char* function);

} // namespace spooler_settings
