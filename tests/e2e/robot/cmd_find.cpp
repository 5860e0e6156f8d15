// Commands that look for top-level windows: find, wait-gone and list.
// Scripts use them to wait for a program's windows to appear or go away.
#include "commands.h"
#include "poll.h"
#include "report.h"
#include "selection.h"

namespace {

BOOL CALLBACK print_window(HWND hwnd, LPARAM) {
    print_line(describe(hwnd));
    return TRUE;
}

// Shared front half of find and wait-gone.
bool read_search(const Args& args, Selection& selection, DWORD& timeout_ms) {
    if (!read_selection(args, selection) || !args.timeout(timeout_ms)) {
        return false;
    }
    if (selection.empty()) {
        usage("select a window with --caption, --class, --pid or --hwnd");
        return false;
    }
    return true;
}

} // namespace

int cmd_find(const Args& args) {
    Selection selection;
    DWORD timeout_ms = 0;
    if (!read_search(args, selection, timeout_ms)) {
        return kUsage;
    }
    std::vector<HWND> found;
    if (!poll_until(timeout_ms, [&] { return !(found = select_all(selection)).empty(); })) {
        return report(kFalse, "no window matches");
    }
    if (!args.has("--all")) {
        print_line(hwnd_text(found.front()));
        return kDone;
    }
    for (HWND hwnd : found) {
        print_line(describe(hwnd));
    }
    return kDone;
}

int cmd_wait_gone(const Args& args) {
    Selection selection;
    DWORD timeout_ms = 0;
    if (!read_search(args, selection, timeout_ms)) {
        return kUsage;
    }
    if (!poll_until(timeout_ms, [&] { return select_all(selection).empty(); })) {
        return report(kTimedOut, "a matching window is still there");
    }
    return kDone;
}

int cmd_list(const Args&) {
    EnumWindows(print_window, 0);
    return kDone;
}
