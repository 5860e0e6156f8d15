// The yardstick of the monitor's whole-process figures: a hidden dialog with a one-second timer and
// nothing else, measured beside the monitor in the same Wine session.
#include <windows.h>

#include <cstring>
#include <initializer_list>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        ::SetTimer(dialog, 1, 1000, nullptr);
        return TRUE;
    case WM_TIMER:
        return TRUE;
    case WM_CLOSE:
        ::DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // "--with-monitor-dlls": also load the system libraries the monitor needs for its tray icon, common
    // controls, USB search and spooler, to tell their cost from the monitor's own.
    const bool withDlls = std::strstr(commandLine, "--with-monitor-dlls") != nullptr;
    if (withDlls) {
        for (const char* library : {"comctl32.dll", "shell32.dll", "setupapi.dll", "winspool.drv"})
            ::LoadLibraryA(library);
    }
    // An empty template: popup, captioned, not visible, no controls.
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialogTemplate = {};
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate.header.cx = 257;
    dialogTemplate.header.cy = 146;
    HWND dialog = ::CreateDialogIndirectParamA(instance, &dialogTemplate.header, nullptr, BareDialogProc, 0);
    if (!dialog)
        return 1;
    ::SetWindowTextA(dialog, withDlls ? "Bare Dialog With Dlls" : "Bare Dialog");
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return 0;
}
