// List-view commands: listview-items prints items with their state, listview-click clicks one.
// List-view messages carry pointers the target must be able to read, so their structs live there.
#include "commands.h"
#include "input.h"
#include "remote.h"
#include "report.h"
#include "selection.h"

#include <commctrl.h>

#include <cstdlib>

namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr int kTextCapacity = 1024;

bool send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutA(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &value)) {
        return false;
    }
    result = static_cast<LRESULT>(value);
    return true;
}

LPARAM remote_lparam(const RemoteMemory& memory) {
    return static_cast<LPARAM>(memory.pointer());
}

int column_count(HWND list) {
    LRESULT header = 0;
    LRESULT columns = 0;
    if (!send(list, LVM_GETHEADER, 0, 0, header) || header == 0 ||
        !send(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, columns) || columns < 1) {
        return 1;
    }
    return static_cast<int>(columns);
}

bool item_text(HWND list, const RemoteProcess& process, int index, int column, std::string& text) {
    RemoteMemory memory(process.handle(), sizeof(LVITEMA) + kTextCapacity);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = memory.address(sizeof item);
    item.cchTextMax = kTextCapacity;
    LRESULT length = 0;
    if (!memory.ok() || !memory.write(&item, sizeof item) ||
        !send(list, LVM_GETITEMTEXTA, index, remote_lparam(memory), length)) {
        return false;
    }
    text.assign(length > 0 && length < kTextCapacity ? length : 0, '\0');
    return text.empty() || memory.read(&text[0], text.size(), sizeof item);
}

std::string state_flags(HWND list, int index) {
    LRESULT state = 0;
    send(list, LVM_GETITEMSTATE, index, LVIS_SELECTED | LVIS_FOCUSED, state);
    std::string flags = (state & LVIS_SELECTED) ? "selected" : "";
    if (state & LVIS_FOCUSED) {
        flags += flags.empty() ? "focused" : ",focused";
    }
    return flags.empty() ? "-" : flags;
}

bool parse_point(const std::string& text, POINT& point) {
    char* end = nullptr;
    point.x = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != ',') {
        return false;
    }
    const char* y = end + 1;
    point.y = std::strtol(y, &end, 10);
    return end != y && *end == '\0';
}

bool item_rect(HWND list, const RemoteProcess& process, int index, RECT& rect) {
    RemoteMemory memory(process.handle(), sizeof rect);
    rect = RECT{LVIR_LABEL, 0, 0, 0};
    LRESULT ok = 0;
    return memory.ok() && memory.write(&rect, sizeof rect) &&
           send(list, LVM_GETITEMRECT, index, remote_lparam(memory), ok) && ok &&
           memory.read(&rect, sizeof rect);
}

// Client point of the item's label centre, or of --point.
int click_point(HWND list, const RemoteProcess& process, int index, POINT& point) {
    if (index < 0) {
        return kDone;
    }
    LRESULT ignored = 0;
    send(list, LVM_ENSUREVISIBLE, index, FALSE, ignored);
    RECT rect{};
    if (!item_rect(list, process, index, rect)) {
        return report(kFalse, "the list view has no item " + std::to_string(index));
    }
    point = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return kDone;
}

int click_with_mouse(HWND list, POINT point) {
    if (!bring_to_front(list)) {
        return report(kFailed, "could not make the window the foreground window");
    }
    ClientToScreen(list, &point);
    HWND under = WindowFromPoint(point);
    if (under != list && !IsChild(list, under)) {
        return report(kFailed, "another window covers that point of the list view");
    }
    return click_at(point) ? kDone : win32_error("SendInput");
}

bool set_state(HWND list, const RemoteProcess& process, int index, UINT state, UINT mask) {
    RemoteMemory memory(process.handle(), sizeof(LVITEMA));
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    LRESULT ok = 0;
    return memory.ok() && memory.write(&item, sizeof item) &&
           send(list, LVM_SETITEMSTATE, index, remote_lparam(memory), ok) && ok;
}

int hit_test(HWND list, const RemoteProcess& process, POINT point) {
    RemoteMemory memory(process.handle(), sizeof(LVHITTESTINFO));
    LVHITTESTINFO hit{};
    hit.pt = point;
    LRESULT item = -1;
    if (!memory.ok() || !memory.write(&hit, sizeof hit) ||
        !send(list, LVM_HITTEST, 0, remote_lparam(memory), item)) {
        return -1;
    }
    return static_cast<int>(item);
}

// What a click does to a single-selection list, then the NM_CLICK the list would send its parent;
// Wine does not send WM_NOTIFY between processes, so it goes out from inside the owner.
int click_with_notify(HWND list, const RemoteProcess& process, int index, POINT point) {
    const int hit = index >= 0 ? index : hit_test(list, process, point);
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    if (!set_state(list, process, -1, 0, LVIS_SELECTED) ||
        (hit >= 0 && !set_state(list, process, hit, both, both))) {
        return win32_error("LVM_SETITEMSTATE");
    }
    NMITEMACTIVATE notify{};
    notify.hdr.hwndFrom = list;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    notify.hdr.code = NM_CLICK;
    notify.iItem = hit;
    notify.ptAction = point;
    RemoteMemory memory(process.handle(), sizeof notify);
    DWORD ignored = 0;
    if (!memory.ok() || !memory.write(&notify, sizeof notify) ||
        !remote_send(process, GetParent(list), WM_NOTIFY, notify.hdr.idFrom, remote_lparam(memory),
                     ignored)) {
        return win32_error("SendMessage(WM_NOTIFY)");
    }
    return kDone;
}

int open_list(const Args& args, HWND& list, RemoteProcess& process) {
    if (int code = select_window(args, list)) {
        return code;
    }
    return process.open(pid_of(list)) ? kDone : win32_error("OpenProcess");
}

} // namespace

// One line per item: "index<TAB>flags<TAB>text<TAB>subitem..."; flags: selected,focused or "-".
int cmd_listview_items(const Args& args) {
    HWND list = nullptr;
    RemoteProcess process;
    if (int code = open_list(args, list, process)) {
        return code;
    }
    LRESULT count = 0;
    if (!send(list, LVM_GETITEMCOUNT, 0, 0, count)) {
        return win32_error("LVM_GETITEMCOUNT");
    }
    const int columns = column_count(list);
    for (int index = 0; index < count; ++index) {
        std::string line = std::to_string(index) + "\t" + state_flags(list, index);
        for (int column = 0; column < columns; ++column) {
            std::string text;
            if (!item_text(list, process, index, column, text)) {
                return win32_error("LVM_GETITEMTEXTA");
            }
            line += "\t" + text;
        }
        print_line(line);
    }
    return kDone;
}

// --index N or --point x,y (list-view client coordinates); --via mouse (default) or notify.
int cmd_listview_click(const Args& args) {
    int index = -1;
    POINT point{};
    const std::string via = args.text("--via", "mouse");
    if (args.has("--index") == args.has("--point")) {
        return usage("listview-click needs either --index or --point");
    }
    if (!args.number_as("--index", index)) {
        return kUsage;
    }
    if (args.has("--point") && !parse_point(args.text("--point"), point)) {
        return usage("--point wants x,y");
    }
    if (via != "mouse" && via != "notify") {
        return usage("--via is mouse or notify");
    }
    HWND list = nullptr;
    RemoteProcess process;
    if (int code = open_list(args, list, process)) {
        return code;
    }
    if (int code = click_point(list, process, index, point)) {
        return code;
    }
    return via == "mouse" ? click_with_mouse(list, point) : click_with_notify(list, process, index, point);
}
