// Commands that act on a window: click, command, close, key, post, send and tray.
// Actions are posted where possible so a modal dialog opened in response cannot block the robot.
#include "commands.h"
#include "input.h"
#include "report.h"
#include "selection.h"

namespace {

// Numeric --msg/--wparam/--lparam shared by post, send and tray.
bool read_message(const Args& args, UINT& message, WPARAM& wparam, LPARAM& lparam) {
    if (!args.require("--msg")) {
        return false;
    }
    return args.number_as("--msg", message) && args.number_as("--wparam", wparam) &&
           args.number_as("--lparam", lparam);
}

bool tray_event(const std::string& name, LPARAM& event) {
    struct Event {
        const char* name;
        UINT message;
    };
    const Event events[] = {
        {"dblclk", WM_LBUTTONDBLCLK},    {"lbuttondown", WM_LBUTTONDOWN}, {"lbuttonup", WM_LBUTTONUP},
        {"rbuttondown", WM_RBUTTONDOWN}, {"rbuttonup", WM_RBUTTONUP},     {"contextmenu", WM_CONTEXTMENU},
        {"mousemove", WM_MOUSEMOVE},
    };
    for (const Event& known : events) {
        if (name == known.name) {
            event = known.message;
            return true;
        }
    }
    long long number = 0;
    if (!parse_number(name, number)) {
        return false;
    }
    event = static_cast<LPARAM>(number);
    return true;
}

// Keys go to the focused control when it lies inside the selected window, as typing would.
HWND key_target(HWND selected) {
    HWND focus = focused_control(selected);
    return (focus != nullptr && (focus == selected || IsChild(selected, focus))) ? focus : selected;
}

int post(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    return PostMessageA(hwnd, message, wparam, lparam) ? kDone : win32_error("PostMessage");
}

} // namespace

// BM_CLICK, but only where a user could click: a hidden or disabled button refuses.
int cmd_click(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) {
        return report(kFalse, "the control is hidden or disabled");
    }
    return post(hwnd, BM_CLICK, 0, 0);
}

int cmd_command(const Args& args) {
    HWND hwnd = nullptr;
    WPARAM command = 0;
    if (!args.require("--cmd") || !args.number_as("--cmd", command)) {
        return kUsage;
    }
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return post(hwnd, WM_COMMAND, command, 0);
}

int cmd_close(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return post(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// --via post (default): WM_KEYDOWN/WM_KEYUP posted to the focused control;
// --via input: SendInput after making the window the foreground window.
int cmd_key(const Args& args) {
    WORD vk = 0;
    if (!args.require("--vk")) {
        return kUsage;
    }
    if (!virtual_key(args.text("--vk"), vk)) {
        return usage("unknown key " + args.text("--vk"));
    }
    const std::string via = args.text("--via", "post");
    if (via != "post" && via != "input") {
        return usage("--via is post or input");
    }
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    if (via == "post") {
        return post_key(key_target(hwnd), vk) ? kDone : win32_error("PostMessage");
    }
    if (!bring_to_front(hwnd)) {
        return report(kFailed, "could not make the window the foreground window");
    }
    // Typed keys go to the focus; a selected control that lacks it would silently miss them.
    if (GetParent(hwnd) != nullptr && key_target(hwnd) != focused_control(hwnd)) {
        return report(kFalse, "the selected control does not have the keyboard focus");
    }
    return type_key(vk) ? kDone : win32_error("SendInput");
}

int cmd_post(const Args& args) {
    UINT message = 0;
    WPARAM wparam = 0;
    LPARAM lparam = 0;
    HWND hwnd = nullptr;
    if (!read_message(args, message, wparam, lparam)) {
        return kUsage;
    }
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return post(hwnd, message, wparam, lparam);
}

// Waits at most --timeout for the window to answer, then prints the result in decimal.
int cmd_send(const Args& args) {
    UINT message = 0;
    WPARAM wparam = 0;
    LPARAM lparam = 0;
    DWORD timeout_ms = 0;
    HWND hwnd = nullptr;
    if (!read_message(args, message, wparam, lparam) || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    DWORD_PTR result = 0;
    SetLastError(ERROR_SUCCESS);
    if (!SendMessageTimeoutA(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms, &result)) {
        const DWORD error = GetLastError();
        if (error == ERROR_TIMEOUT || error == ERROR_SUCCESS) {
            return report(kTimedOut, "the window did not answer in time");
        }
        return win32_error_code("SendMessageTimeout", error);
    }
    print_line(std::to_string(static_cast<long>(result)));
    return kDone;
}

// The notification a tray icon sends its window: wParam = icon id, lParam = mouse message.
int cmd_tray(const Args& args) {
    UINT message = 0;
    WPARAM uid = 1;
    LPARAM event = 0;
    if (!args.require("--msg") || !args.require("--event") || !args.number_as("--msg", message) ||
        !args.number_as("--uid", uid)) {
        return kUsage;
    }
    if (!tray_event(args.text("--event"), event)) {
        return usage("unknown --event " + args.text("--event"));
    }
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return post(hwnd, message, uid, event);
}
