// Entry points of the stand-in model plug-in (QRVE9pin.dll): a COM server with no classes, so a host
// that looks for the plug-in's objects is told plainly that there are none.
#include <windows.h>

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (object)
        *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return S_OK;
}
