// Entry point of every stand-in driver DLL: it loads and unloads and keeps no state of its own.
// The spooler loads these DLLs into whatever process adds or uses a printer, so they start nothing.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ::DisableThreadLibraryCalls(instance);
    return TRUE;
}
