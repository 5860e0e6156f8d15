// Read-only registry walk below the printer interface's key; the decision is UsbPortFromFacts's.
#include "usb_port_lookup_win32.h"

#include <windows.h>

#include "framework/handles.h"
#include "setup/app/usb_port.h"

namespace setup {

namespace {
constexpr char kConnectProperly[] = "Please connect printer properly";

fw::RegKey OpenKey(HKEY parent, const char* name) {
    HKEY key = nullptr;
    if (!parent || ::RegOpenKeyExA(parent, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return fw::RegKey();
    return fw::RegKey(key);
}

std::optional<uint32_t> ReadDword(HKEY key, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (!key || ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

UsbPortFacts ReadUsbPortFacts(const std::string& usbInstanceId) {
    UsbPortFacts facts;
    fw::RegKey interfaceKey = OpenKey(HKEY_LOCAL_MACHINE, UsbInterfaceKeyPath(usbInstanceId).c_str());
    fw::RegKey linkKey = OpenKey(interfaceKey.Get(), kUsbInterfaceLinkKey);
    fw::RegKey control = OpenKey(linkKey.Get(), kUsbControlKey);
    facts.linked = ReadDword(control.Get(), kUsbLinkedValue);
    fw::RegKey parameters = OpenKey(linkKey.Get(), kUsbParametersKey);
    facts.parametersOpened = static_cast<bool>(parameters);
    facts.portNumber = ReadDword(parameters.Get(), kUsbPortNumberValue);
    return facts;
}

// The class library's application message box: the program's file name as caption, exclamation icon.
void ShowApplicationMessage(const char* text) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string caption = path;
    caption = caption.substr(caption.find_last_of("\\/") + 1);
    caption = caption.substr(0, caption.rfind('.'));
    ::MessageBoxA(nullptr, text, caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

std::string LookupUsbPort(const std::string& usbInstanceId) {
    const std::optional<std::string> port = UsbPortFromFacts(ReadUsbPortFacts(usbInstanceId));
    if (!port) {
        ShowApplicationMessage(kConnectProperly);
        return kNoUsbPort;
    }
    return *port;
}

} // namespace setup
