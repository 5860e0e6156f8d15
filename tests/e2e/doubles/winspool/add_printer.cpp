// AddPrinterA and SetDefaultPrinterA of the spooler double. AddPrinterA notes the name and port it was
// asked for, refuses names the script lists as existing and fails as scripted; otherwise it hands out a
// printer handle, so that a test can see the copy-name and retry paths Wine's own spooler never takes.
#include "api_result.h"
#include "handle_table.h"
#include "spooler_settings.h"

#include <winspool.h>

extern "C" HANDLE WINAPI AddPrinterA(LPSTR, DWORD Level, LPBYTE pPrinter) {
    if (Level != 2 || pPrinter == nullptr) {
        fail_with(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto* printer = reinterpret_cast<const PRINTER_INFO_2A*>(pPrinter);
    // Noted before any refusal: the name and port asked for are what a test wants to see.
    spooler_settings::record_printer_port(printer->pPortName);
    spooler_settings::record_printer_name(printer->pPrinterName);
    if (spooler_settings::call_refused("AddPrinterA")) {
        return nullptr;
    }
    const std::string name = printer->pPrinterName != nullptr ? printer->pPrinterName : "";
    if (spooler_settings::printer_exists(name)) {
        fail_with(ERROR_PRINTER_ALREADY_EXISTS);
        return nullptr;
    }
    if (const DWORD error = spooler_settings::add_printer_error()) {
        fail_with(error);
        return nullptr;
    }
    spooler_settings::count_open();
    return handle_table::open(name);
}

extern "C" BOOL WINAPI SetDefaultPrinterA(LPCSTR pszPrinter) {
    if (spooler_settings::call_refused("SetDefaultPrinterA")) {
        return FALSE;
    }
    spooler_settings::record_default_printer(pszPrinter);
    return TRUE;
}
