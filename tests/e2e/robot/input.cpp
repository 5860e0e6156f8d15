// Keyboard and mouse input as a user would give it, for commands that must go through real input paths.
// Key messages carry a real scan code so controls that look at lParam treat them like typed keys.
#include "input.h"

#include "args.h"
#include "poll.h"

namespace {

constexpr DWORD kForegroundTimeoutMs = 1000;

struct KeyName {
    const char* name;
    WORD vk;
};

const KeyName kKeys[] = {
    {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE},  {"RETURN", VK_RETURN}, {"ENTER", VK_RETURN},
    {"TAB", VK_TAB},       {"DOWN", VK_DOWN},   {"UP", VK_UP},         {"LEFT", VK_LEFT},
    {"RIGHT", VK_RIGHT},   {"SPACE", VK_SPACE}, {"HOME", VK_HOME},     {"END", VK_END},
    {"PRIOR", VK_PRIOR},   {"NEXT", VK_NEXT},   {"DELETE", VK_DELETE}, {"BACK", VK_BACK},
    {"F1", VK_F1},         {"F10", VK_F10},     {"MENU", VK_MENU},
};

bool is_extended(WORD vk) {
    const WORD extended[] = {VK_UP,  VK_DOWN,  VK_LEFT, VK_RIGHT,  VK_HOME,
                             VK_END, VK_PRIOR, VK_NEXT, VK_INSERT, VK_DELETE};
    for (WORD key : extended) {
        if (key == vk) {
            return true;
        }
    }
    return false;
}

LPARAM key_lparam(WORD vk, bool release) {
    const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    LPARAM lparam = 1 | static_cast<LPARAM>(scan << 16);
    if (is_extended(vk)) {
        lparam |= 1 << 24;
    }
    if (release) {
        lparam |= static_cast<LPARAM>(0xC0000000u);
    }
    return lparam;
}

INPUT key_input(WORD vk, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (is_extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0) | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT mouse_input(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

} // namespace

bool virtual_key(const std::string& name, WORD& vk) {
    for (const KeyName& key : kKeys) {
        if (lstrcmpiA(key.name, name.c_str()) == 0) {
            vk = key.vk;
            return true;
        }
    }
    long long number = 0;
    if (!parse_number(name, number) || number <= 0 || number > 0xFE) {
        return false;
    }
    vk = static_cast<WORD>(number);
    return true;
}

bool post_key(HWND target, WORD vk) {
    return PostMessageA(target, WM_KEYDOWN, vk, key_lparam(vk, false)) &&
           PostMessageA(target, WM_KEYUP, vk, key_lparam(vk, true));
}

bool type_key(WORD vk) {
    INPUT inputs[] = {key_input(vk, false), key_input(vk, true)};
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool bring_to_front(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    if (GetForegroundWindow() == top) {
        return true;
    }
    SetForegroundWindow(top);
    return poll_until(kForegroundTimeoutMs, [top] { return GetForegroundWindow() == top; });
}

bool click_at(POINT screen) {
    if (!SetCursorPos(screen.x, screen.y)) {
        return false;
    }
    INPUT inputs[] = {mouse_input(MOUSEEVENTF_LEFTDOWN), mouse_input(MOUSEEVENTF_LEFTUP)};
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

HWND focused_control(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}
