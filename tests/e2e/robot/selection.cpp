// Picks the window a command acts on from --caption/--class/--pid/--hwnd and --id.
// Visible matches win over hidden ones, so a dialog is preferred to a hidden helper of the same name.
#include "selection.h"

#include "poll.h"
#include "report.h"

#include <algorithm>

namespace {

bool matches(HWND hwnd, const Selection& selection) {
    if (selection.has_pid && pid_of(hwnd) != selection.pid) {
        return false;
    }
    if (selection.has_class && lstrcmpiA(class_of(hwnd).c_str(), selection.window_class.c_str()) != 0) {
        return false;
    }
    return !selection.has_caption || caption_of(hwnd) == selection.caption;
}

struct Search {
    const Selection* selection;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_top_level(HWND hwnd, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (matches(hwnd, *search->selection)) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK find_descendant(HWND hwnd, LPARAM context) {
    auto* search = reinterpret_cast<ChildSearch*>(context);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Controls nested in group boxes or property pages are not direct children of the dialog.
HWND control_with_id(HWND parent, int id) {
    HWND direct = GetDlgItem(parent, id);
    if (direct != nullptr) {
        return direct;
    }
    ChildSearch search{id, nullptr};
    EnumChildWindows(parent, find_descendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> top_level_matches(const Selection& selection) {
    if (selection.has_hwnd) {
        bool ok = IsWindow(selection.hwnd) && matches(selection.hwnd, selection);
        return ok ? std::vector<HWND>{selection.hwnd} : std::vector<HWND>{};
    }
    Search search{&selection, {}};
    EnumWindows(collect_top_level, reinterpret_cast<LPARAM>(&search));
    std::stable_partition(search.found.begin(), search.found.end(),
                          [](HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; });
    return search.found;
}

} // namespace

bool read_selection(const Args& args, Selection& selection) {
    selection.has_caption = args.has("--caption");
    selection.caption = args.text("--caption");
    selection.has_class = args.has("--class");
    selection.window_class = args.text("--class");
    selection.has_pid = args.has("--pid");
    selection.has_hwnd = args.has("--hwnd");
    selection.has_id = args.has("--id");
    ULONG_PTR hwnd = 0;
    bool ok = args.number_as("--pid", selection.pid) && args.number_as("--hwnd", hwnd) &&
              args.number_as("--id", selection.id);
    selection.hwnd = reinterpret_cast<HWND>(hwnd);
    return ok;
}

std::vector<HWND> select_all(const Selection& selection) {
    std::vector<HWND> windows = top_level_matches(selection);
    if (!selection.has_id) {
        return windows;
    }
    std::vector<HWND> controls;
    for (HWND window : windows) {
        HWND control = control_with_id(window, selection.id);
        if (control != nullptr) {
            controls.push_back(control);
        }
    }
    return controls;
}

int select_window(const Args& args, HWND& out) {
    Selection selection;
    DWORD timeout_ms = 0;
    if (!read_selection(args, selection) || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    if (selection.empty()) {
        return usage("select a window with --caption, --class, --pid or --hwnd");
    }
    bool found = poll_until(timeout_ms, [&] {
        std::vector<HWND> windows = select_all(selection);
        out = windows.empty() ? nullptr : windows.front();
        return out != nullptr;
    });
    return found ? kDone : report(kFalse, "no window matches");
}

std::string class_of(HWND hwnd) {
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// GetWindowTextA does not send WM_GETTEXT to other processes, so a hung target cannot block matching.
std::string caption_of(HWND hwnd) {
    char text[1024] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

DWORD pid_of(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

std::string describe(HWND hwnd) {
    return hwnd_text(hwnd) + "\t" + class_of(hwnd) + "\t" + caption_of(hwnd) + "\t" +
           (IsWindowVisible(hwnd) ? "1" : "0") + "\t" + std::to_string(pid_of(hwnd));
}
