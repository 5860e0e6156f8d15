// Spooler functions the double exports only so that a program importing them still loads; each fails
// with ERROR_CALL_NOT_IMPLEMENTED. Give one a body of its own when a program under test comes to rely on it.
#include "api_result.h"
#include "spooler_settings.h"

#include <winspool.h>

namespace {

BOOL not_implemented(const char* function) {
    return spooler_settings::call_refused(function) ? FALSE : fail_with(ERROR_CALL_NOT_IMPLEMENTED);
}

} // namespace

extern "C" BOOL WINAPI OpenPrinterW(LPWSTR, LPHANDLE phPrinter, LPPRINTER_DEFAULTSW) {
    if (phPrinter != nullptr) {
        *phPrinter = nullptr;
    }
    return not_implemented("OpenPrinterW");
}

extern "C" BOOL WINAPI GetPrinterW(HANDLE, DWORD, LPBYTE, DWORD, LPDWORD) {
    return not_implemented("GetPrinterW");
}

extern "C" BOOL WINAPI EnumJobsW(HANDLE, DWORD, DWORD, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD) {
    return not_implemented("EnumJobsW");
}

extern "C" BOOL WINAPI GetDefaultPrinterA(LPSTR, LPDWORD) {
    return not_implemented("GetDefaultPrinterA");
}

extern "C" BOOL WINAPI SetPrinterA(HANDLE, DWORD, LPBYTE, DWORD) {
    return not_implemented("SetPrinterA");
}

extern "C" BOOL WINAPI EnumPrintersA(DWORD, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD) {
    return not_implemented("EnumPrintersA");
}
