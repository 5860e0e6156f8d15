// List-box commands: list-items prints the items, list-select selects one and notifies the parent.
// Item text is fetched in UTF-16, the form Wine hands across processes, then converted to ANSI.
#include "commands.h"
#include "report.h"
#include "selection.h"
#include "strings.h"

namespace {

constexpr UINT kSendTimeoutMs = 5000;

bool send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &value)) {
        return false;
    }
    result = static_cast<LRESULT>(value);
    return true;
}

bool item_text(HWND list, int index, std::string& text) {
    LRESULT length = 0;
    if (!send(list, LB_GETTEXTLEN, index, 0, length) || length == LB_ERR) {
        return false;
    }
    std::wstring wide(length + 1, L'\0');
    LRESULT copied = 0;
    if (!send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]), copied) || copied == LB_ERR) {
        return false;
    }
    wide.resize(copied);
    text = to_ansi(wide);
    return true;
}

} // namespace

int cmd_list_items(const Args& args) {
    HWND list = nullptr;
    if (int code = select_window(args, list)) {
        return code;
    }
    LRESULT count = 0;
    if (!send(list, LB_GETCOUNT, 0, 0, count) || count == LB_ERR) {
        return win32_error("LB_GETCOUNT");
    }
    for (int index = 0; index < count; ++index) {
        std::string text;
        if (!item_text(list, index, text)) {
            return win32_error("LB_GETTEXT");
        }
        print_line(text);
    }
    return kDone;
}

// LB_SETCURSEL does not notify, so LBN_SELCHANGE goes to the parent as a user's click would send it.
int cmd_list_select(const Args& args) {
    int index = 0;
    if (!args.require("--index") || !args.number_as("--index", index)) {
        return kUsage;
    }
    HWND list = nullptr;
    if (int code = select_window(args, list)) {
        return code;
    }
    LRESULT result = 0;
    if (!send(list, LB_SETCURSEL, index, 0, result)) {
        return win32_error("LB_SETCURSEL");
    }
    if (result == LB_ERR && index != -1) {
        return report(kFalse, "the list box has no item " + std::to_string(index));
    }
    const WPARAM wparam = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
    if (!PostMessageA(GetParent(list), WM_COMMAND, wparam, reinterpret_cast<LPARAM>(list))) {
        return win32_error("PostMessage(WM_COMMAND)");
    }
    return kDone;
}
