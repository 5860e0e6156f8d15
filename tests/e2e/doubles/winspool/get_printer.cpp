// GetPrinterA of the spooler double: levels 2 and 5, the two the status monitor reads its printer's
// port, status and number of jobs from.
#include "api_result.h"
#include "handle_table.h"
#include "output_buffer.h"
#include "spooler_settings.h"

#include <winspool.h>

#include <cstring>

namespace {

// Both levels carry the same two strings; the rest of each record stays zero.
template <typename Info>
BOOL fill(const std::string& name, BYTE* buffer, DWORD size, DWORD* needed, void (*complete)(Info&)) {
    const std::string port = spooler_settings::port();
    const DWORD whole = sizeof(Info) + output_buffer::text_bytes(name) + output_buffer::text_bytes(port);
    if (!output_buffer::holds(buffer, size, whole, needed)) {
        return FALSE;
    }
    Info info{};
    output_buffer::StringArea strings(buffer + sizeof(Info));
    info.pPrinterName = strings.put(name);
    info.pPortName = strings.put(port);
    complete(info);
    std::memcpy(buffer, &info, sizeof info);
    return TRUE;
}

void complete_level_2(PRINTER_INFO_2A& info) {
    info.Status = spooler_settings::status();
    info.cJobs = spooler_settings::job_count();
}

void complete_level_5(PRINTER_INFO_5A&) {}

} // namespace

extern "C" BOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                                   LPDWORD pcbNeeded) {
    std::string name;
    if (spooler_settings::call_refused("GetPrinterA")) {
        return FALSE;
    }
    if (!handle_table::find(hPrinter, name)) {
        return fail_with(ERROR_INVALID_HANDLE);
    }
    if (pcbNeeded == nullptr) {
        return fail_with(ERROR_INVALID_PARAMETER);
    }
    switch (Level) {
    case 2:
        return fill<PRINTER_INFO_2A>(name, pPrinter, cbBuf, pcbNeeded, complete_level_2);
    case 5:
        return fill<PRINTER_INFO_5A>(name, pPrinter, cbBuf, pcbNeeded, complete_level_5);
    default:
        return fail_with(ERROR_INVALID_LEVEL);
    }
}
