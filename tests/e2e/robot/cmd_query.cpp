// Commands that read a window's state: text, visible, enabled, rect, style, font and focus.
// They never change the window, so tests can call them freely between actions.
#include "commands.h"
#include "remote.h"
#include "report.h"
#include "selection.h"

namespace {

constexpr UINT kSendTimeoutMs = 5000;

int print_flag(bool value) {
    print_line(value ? "1" : "0");
    return value ? kDone : kFalse;
}

bool send_query(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR& result) {
    return SendMessageTimeoutA(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

bool is_stock_font(HFONT font) {
    const int stock[] = {OEM_FIXED_FONT,      ANSI_FIXED_FONT,   ANSI_VAR_FONT,   SYSTEM_FONT,
                         DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT};
    for (int object : stock) {
        if (GetStockObject(object) == font) {
            return true;
        }
    }
    return false;
}

// Wine answers WM_GETFONT from another process with 0, and GDI handles are private to the
// process that made them, so both the message and GetObject run on a thread inside the owner.
bool read_font(HWND hwnd, LOGFONTA& logfont) {
    RemoteProcess process;
    if (!process.open(pid_of(hwnd))) {
        return false;
    }
    DWORD font = 0;
    if (!remote_send(process, hwnd, WM_GETFONT, 0, 0, font)) {
        return false;
    }
    // No font set means the control draws with the system font.
    if (font == 0 || is_stock_font(reinterpret_cast<HFONT>(static_cast<ULONG_PTR>(font)))) {
        HGDIOBJ stock =
            font ? reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(font)) : GetStockObject(SYSTEM_FONT);
        return GetObjectA(stock, sizeof logfont, &logfont) != 0;
    }
    RemoteMemory buffer(process.handle(), sizeof logfont);
    DWORD copied = 0;
    if (!buffer.ok() ||
        !remote_call(process, "gdi32.dll", "GetObjectA", {font, sizeof logfont, buffer.pointer()}, copied)) {
        return false;
    }
    if (copied == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return buffer.read(&logfont, sizeof logfont);
}

} // namespace

int cmd_text(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    DWORD_PTR length = 0;
    if (!send_query(hwnd, WM_GETTEXTLENGTH, 0, 0, length)) {
        return win32_error("SendMessageTimeout(WM_GETTEXTLENGTH)");
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!send_query(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), copied)) {
        return win32_error("SendMessageTimeout(WM_GETTEXT)");
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    print_line(text);
    return kDone;
}

int cmd_visible(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return print_flag(IsWindowVisible(hwnd) != FALSE);
}

int cmd_enabled(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    return print_flag(IsWindowEnabled(hwnd) != FALSE);
}

int cmd_rect(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    RECT rect{};
    if (!GetWindowRect(hwnd, &rect)) {
        return win32_error("GetWindowRect");
    }
    print_line(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
               std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top));
    return kDone;
}

int cmd_style(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    print_line(hex(static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE))));
    print_line(hex(static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE))));
    return kDone;
}

// Prints the face name, then lfHeight as the font was made (negative: character height in pixels).
int cmd_font(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    LOGFONTA logfont{};
    if (!read_font(hwnd, logfont)) {
        return win32_error("WM_GETFONT + GetObjectA in the window's process");
    }
    print_line(logfont.lfFaceName);
    print_line(std::to_string(logfont.lfHeight));
    return kDone;
}

// Prints the hwnd and dialog id of the control that has the keyboard focus in the window's thread.
int cmd_focus(const Args& args) {
    HWND hwnd = nullptr;
    if (int code = select_window(args, hwnd)) {
        return code;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) {
        return win32_error("GetGUIThreadInfo");
    }
    if (info.hwndFocus == nullptr) {
        return report(kFalse, "no window has the focus");
    }
    print_line(hwnd_text(info.hwndFocus));
    print_line(std::to_string(GetDlgCtrlID(info.hwndFocus)));
    return kDone;
}
