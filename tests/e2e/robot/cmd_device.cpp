// The devchange command: tells a window that a device interface arrived or went away.
// Lets tests exercise hot-plug handling without real hardware.
#include "commands.h"
#include "report.h"
#include "selection.h"

#include <dbt.h>
#include <objbase.h>

#include <cstddef>
#include <vector>

namespace {

// GUID_DEVINTERFACE_USB_DEVICE
const char kUsbDeviceGuid[] = "{A5DCBF10-6530-11D2-901F-00C04FB951ED}";

bool parse_guid(const std::string& text, GUID& guid) {
    wchar_t wide[64] = L"";
    if (text.size() >= 40 || !MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 64)) {
        return false;
    }
    return SUCCEEDED(IIDFromString(wide, &guid));
}

bool device_event(const std::string& name, WPARAM& event) {
    if (name == "arrival") {
        event = DBT_DEVICEARRIVAL;
    } else if (name == "removal") {
        event = DBT_DEVICEREMOVECOMPLETE;
    } else {
        return false;
    }
    return true;
}

// DEV_BROADCAST_DEVICEINTERFACE_A with the name stored in place; dbcc_size covers it and its NUL.
std::vector<char> broadcast(const GUID& guid, const std::string& name) {
    const size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + name.size() + 1;
    std::vector<char> buffer(
        size < sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) ? sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) : size);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(buffer.data());
    header->dbcc_size = static_cast<DWORD>(size);
    header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    header->dbcc_classguid = guid;
    name.copy(header->dbcc_name, name.size());
    return buffer;
}

} // namespace

int cmd_devchange(const Args& args) {
    WPARAM event = 0;
    GUID guid{};
    DWORD timeout_ms = 0;
    if (!args.require("--event") || !args.require("--name") || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    if (!device_event(args.text("--event"), event)) {
        return usage("--event is arrival or removal");
    }
    if (!parse_guid(args.text("--guid", kUsbDeviceGuid), guid)) {
        return usage("--guid wants {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}");
    }
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    std::vector<char> message = broadcast(guid, args.text("--name"));
    DWORD_PTR result = 0;
    const LPARAM lparam = reinterpret_cast<LPARAM>(message.data());
    if (!SendMessageTimeoutA(hwnd, WM_DEVICECHANGE, event, lparam, SMTO_ABORTIFHUNG, timeout_ms, &result)) {
        return win32_error("SendMessageTimeout(WM_DEVICECHANGE)");
    }
    return kDone;
}
