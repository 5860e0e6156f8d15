// The stand-in configuration DLL's answers to the spooler's other calls: driver and printer events,
// upgrades and job checks succeed with nothing to do; device modes convert only to the defaults.
#include "devmode_win32.h"
#include "printer_features_win32.h"

namespace {

constexpr DWORD kConvertToDriverDefault = 0x04; // CDM_DRIVER_DEFAULT

BOOL Fail(DWORD error) {
    ::SetLastError(error);
    return FALSE;
}

} // namespace

extern "C" BOOL WINAPI DrvDriverEvent(DWORD, DWORD, LPBYTE, LPARAM) {
    return TRUE;
}

extern "C" BOOL WINAPI DrvPrinterEvent(LPWSTR, INT, DWORD, LPARAM) {
    return TRUE;
}

extern "C" BOOL WINAPI DrvUpgradePrinter(DWORD, LPBYTE) {
    return TRUE;
}

// Every job may print: the stand-in has no form or resolution that a device mode could contradict.
extern "C" BOOL WINAPI DevQueryPrintEx(PVOID) {
    return TRUE;
}

extern "C" LONG WINAPI DrvDevicePropertySheets(PVOID sheetInfo, LPARAM) {
    ::SetLastError(sheetInfo ? ERROR_NOT_SUPPORTED : ERROR_INVALID_PARAMETER);
    return 0;
}

extern "C" BOOL WINAPI DrvConvertDevMode(LPWSTR printerName, PDEVMODEW, PDEVMODEW out, PLONG size,
                                         DWORD mode) {
    if (mode != kConvertToDriverDefault)
        return Fail(ERROR_NOT_SUPPORTED);
    if (!size)
        return Fail(ERROR_INVALID_PARAMETER);
    if (!out || *size < static_cast<LONG>(standin::kDevmodeSize)) {
        *size = standin::kDevmodeSize;
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    standin::FillDevmode(*out, printerName, nullptr);
    *size = standin::kDevmodeSize;
    return TRUE;
}
