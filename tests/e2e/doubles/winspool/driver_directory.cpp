// The driver directory and driver calls of the double, so that the setup engine's first two steps can be
// made to fail on purpose ("FailCall"); otherwise they answer as Wine's spooler would.
#include "api_result.h"
#include "spooler_settings.h"

#include <winspool.h>

#include <cstring>

namespace {
const char kDriverDirectory[] = "C:\\windows\\system32\\spool\\drivers\\w32x86";
}

extern "C" BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR, LPSTR, DWORD level, LPBYTE buffer, DWORD size,
                                                  LPDWORD needed) {
    if (spooler_settings::call_refused("GetPrinterDriverDirectoryA"))
        return FALSE;
    if (level != 1)
        return fail_with(ERROR_INVALID_LEVEL);
    if (needed == nullptr)
        return fail_with(ERROR_INVALID_PARAMETER);
    *needed = sizeof(kDriverDirectory);
    if (buffer == nullptr || size < sizeof(kDriverDirectory))
        return fail_with(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, kDriverDirectory, sizeof(kDriverDirectory));
    return TRUE;
}

extern "C" BOOL WINAPI AddPrinterDriverA(LPSTR, DWORD, LPBYTE) {
    return spooler_settings::call_refused("AddPrinterDriverA") ? FALSE : TRUE;
}
