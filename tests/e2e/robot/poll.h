// Deadline loop behind the robot's --timeout options.
// Windows under test appear and vanish asynchronously, so checks are repeated every 50 ms.
#pragma once

#include <windows.h>

constexpr DWORD kPollIntervalMs = 50;
constexpr DWORD kDefaultTimeoutMs = 5000;

// Returns true as soon as check() does; false once timeout_ms have passed without it.
template <typename Check> bool poll_until(DWORD timeout_ms, Check check) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (check()) {
            return true;
        }
        if (GetTickCount() - start >= timeout_ms) {
            return false;
        }
        Sleep(kPollIntervalMs);
    }
}
