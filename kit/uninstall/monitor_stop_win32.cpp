// Posting the Exit command lets the monitor take its tray icon away and close its driver, which
// terminating it would not; the process handle tells when it has really gone.
#include "monitor_stop_win32.h"

#include "framework/handles.h"

#include <windows.h>

namespace uninstall {

namespace {

// More than one monitor of a model cannot run (its mutex), but a window may outlive its first exit.
constexpr int kMaxWindows = 4;
constexpr DWORD kPollMs = 100;

// Waits for the process when it could be opened, else for the window to go.
bool WaitForEnd(HWND window, const fw::KernelHandle& process, DWORD waitMs) {
    if (process)
        return ::WaitForSingleObject(process.Get(), waitMs) == WAIT_OBJECT_0;
    for (DWORD waited = 0; waited < waitMs; waited += kPollMs) {
        if (!::IsWindow(window))
            return true;
        ::Sleep(kPollMs);
    }
    return !::IsWindow(window);
}

} // namespace

bool EndProgramOfWindowWin32(const std::string& caption, uint32_t command, uint32_t waitMs) {
    for (int i = 0; i < kMaxWindows; ++i) {
        HWND window = ::FindWindowA(nullptr, caption.c_str());
        if (!window)
            return true;
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        fw::KernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
        if (!::PostMessageA(window, WM_COMMAND, MAKEWPARAM(command, 0), 0))
            return false;
        if (!WaitForEnd(window, process, waitMs))
            return false;
    }
    return ::FindWindowA(nullptr, caption.c_str()) == nullptr;
}

} // namespace uninstall
