// Commands for an open popup menu: menu lists its items, menu-choose picks one as a user would.
// Tray icons and context menus open these with TrackPopupMenu in the program under test.
#include "commands.h"
#include "input.h"
#include "menu_reader.h"
#include "poll.h"
#include "report.h"
#include "selection.h"

namespace {

constexpr DWORD kMenuCloseTimeoutMs = 2000;

// The visible "#32768" window; the newest submenu is on top when several are open.
int find_menu_window(const Args& args, HWND& out) {
    Selection selection;
    DWORD timeout_ms = 0;
    if (!read_selection(args, selection) || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    selection.has_class = true;
    selection.window_class = "#32768";
    bool found = poll_until(timeout_ms, [&] {
        std::vector<HWND> windows = select_all(selection);
        out = (!windows.empty() && IsWindowVisible(windows.front())) ? windows.front() : nullptr;
        return out != nullptr;
    });
    return found ? kDone : report(kFalse, "no popup menu is open");
}

int read_items(MenuReader& reader, std::vector<MenuItem>& items) {
    if (!reader.read(items)) {
        return win32_error("reading the menu items (MN_GETHMENU + GetMenuItemInfoA, here and in the owner)");
    }
    return kDone;
}

// --text matches the item text as written or as shown (without '&' and accelerator).
int chosen_index(const Args& args, const std::vector<MenuItem>& items, int& index) {
    if (args.has("--index")) {
        return args.number_as("--index", index) ? kDone : kUsage;
    }
    const std::string text = args.text("--text");
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator() && (items[i].text == text || items[i].plain_text() == text)) {
            index = static_cast<int>(i);
            return kDone;
        }
    }
    return report(kFalse, "no menu item reads \"" + text + "\"");
}

// HOME selects the first item, DOWN skips separators the way the menu itself does, RETURN chooses.
bool choose_by_keys(HWND menu_window, const std::vector<MenuItem>& items, int index) {
    bool ok = post_key(menu_window, VK_HOME);
    for (int i = 0; ok && i < index; ++i) {
        ok = items[i].separator() || post_key(menu_window, VK_DOWN);
    }
    return ok && post_key(menu_window, VK_RETURN);
}

bool choose_by_mouse(MenuReader& reader, int index) {
    RECT rect{};
    if (!reader.item_rect(index, rect)) {
        return false;
    }
    return click_at(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

int check_choosable(const std::vector<MenuItem>& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) {
        return report(kFalse, "the menu has no item " + std::to_string(index));
    }
    if (items[index].separator() || items[index].disabled()) {
        return report(kFalse, "menu item " + std::to_string(index) + " is a separator or disabled");
    }
    return kDone;
}

// Reads the items and finds the one --text or --index names, refusing what a user could not choose.
int pick_item(const Args& args, MenuReader& reader, std::vector<MenuItem>& items, int& index) {
    if (int code = read_items(reader, items)) {
        return code;
    }
    if (int code = chosen_index(args, items, index)) {
        return code;
    }
    return check_choosable(items, index);
}

} // namespace

// One line per item: "id<TAB>text<TAB>flags".
int cmd_menu(const Args& args) {
    HWND window = nullptr;
    if (int code = find_menu_window(args, window)) {
        return code;
    }
    MenuReader reader(window);
    std::vector<MenuItem> items;
    if (int code = read_items(reader, items)) {
        return code;
    }
    for (const MenuItem& item : items) {
        print_line(std::to_string(item.id) + "\t" + item.text + "\t" + item.flags());
    }
    return kDone;
}

// --text TEXT | --index N; --via keys (default) or mouse. Done once the menu has closed.
int cmd_menu_choose(const Args& args) {
    const std::string via = args.text("--via", "keys");
    if (!args.has("--text") && !args.has("--index")) {
        return usage("menu-choose needs --text or --index");
    }
    if (via != "keys" && via != "mouse") {
        return usage("--via is keys or mouse");
    }
    HWND window = nullptr;
    if (int code = find_menu_window(args, window)) {
        return code;
    }
    MenuReader reader(window);
    std::vector<MenuItem> items;
    int index = -1;
    if (int code = pick_item(args, reader, items, index)) {
        return code;
    }
    const bool sent = via == "keys" ? choose_by_keys(window, items, index) : choose_by_mouse(reader, index);
    if (!sent) {
        return win32_error(via == "keys" ? "PostMessage" : "clicking the menu item");
    }
    if (!poll_until(kMenuCloseTimeoutMs, [window] { return !IsWindowVisible(window); })) {
        return report(kTimedOut, "the menu is still open");
    }
    return kDone;
}
