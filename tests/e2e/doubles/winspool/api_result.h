// How the double's exported functions report failure: the Win32 way, a last error and FALSE.
// Kept in one place so every export fails alike.
#pragma once

#include <windows.h>

inline BOOL fail_with(DWORD error) {
    SetLastError(error);
    return FALSE;
}
