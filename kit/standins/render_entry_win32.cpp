// Entry points of the stand-in rendering DLL (unidrv.dll): it reports itself as a user-mode driver and
// refuses to enable, so that anything trying to print through it fails cleanly instead of crashing.
#include <windows.h>

namespace {
constexpr DWORD kQueryUserMode = 1; // DRVQUERY_USERMODE
}

extern "C" BOOL WINAPI DrvQueryDriverInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
    if (mode != kQueryUserMode) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (needed)
        *needed = sizeof(DWORD);
    if (!buffer || size < sizeof(DWORD)) {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    *static_cast<DWORD*>(buffer) = TRUE;
    return TRUE;
}

extern "C" BOOL WINAPI DrvEnableDriver(ULONG, ULONG, PVOID) {
    ::SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

extern "C" VOID WINAPI DrvDisableDriver() {}
