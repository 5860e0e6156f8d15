// OpenPrinterA and ClosePrinter of the spooler double: one printer, named by the test, and counters
// that let a test see whether the program under test closes every handle it opens.
#include "api_result.h"
#include "handle_table.h"
#include "spooler_settings.h"

#include <winspool.h>

extern "C" BOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA pDefault) {
    if (phPrinter == nullptr) {
        return fail_with(ERROR_INVALID_PARAMETER);
    }
    *phPrinter = nullptr;
    if (spooler_settings::call_refused("OpenPrinterA")) {
        return FALSE;
    }
    // Recorded before the name is checked: a test may want to know what was asked of a missing printer.
    spooler_settings::record_open_access(pDefault != nullptr ? pDefault->DesiredAccess : 0);
    std::string known_name;
    if (pPrinterName == nullptr || !spooler_settings::printer_name(known_name) ||
        known_name != pPrinterName) {
        return fail_with(ERROR_INVALID_PRINTER_NAME);
    }
    *phPrinter = handle_table::open(known_name);
    spooler_settings::count_open();
    return TRUE;
}

extern "C" BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
    if (spooler_settings::call_refused("ClosePrinter")) {
        return FALSE;
    }
    if (!handle_table::close(hPrinter)) {
        return fail_with(ERROR_INVALID_HANDLE);
    }
    spooler_settings::count_close();
    return TRUE;
}
