// Picks the window a command acts on from --caption/--class/--pid/--hwnd and --id.
// Matching is repeated until --timeout because the program under test may still be opening it.
#pragma once

#include "args.h"

#include <windows.h>

#include <string>
#include <vector>

struct Selection {
    bool has_caption = false;
    bool has_class = false;
    bool has_pid = false;
    bool has_hwnd = false;
    bool has_id = false;
    std::string caption;
    std::string window_class;
    DWORD pid = 0;
    HWND hwnd = nullptr;
    int id = 0;

    bool empty() const { return !has_caption && !has_class && !has_pid && !has_hwnd; }
};

bool read_selection(const Args& args, Selection& selection);
// Every match right now, visible windows first (then z-order); with --id, their child controls.
std::vector<HWND> select_all(const Selection& selection);
// Parses the selection, waits up to --timeout for a match, reports when none turns up.
// Returns kDone, kFalse (nothing matched) or kUsage.
int select_window(const Args& args, HWND& out);

std::string class_of(HWND hwnd);
std::string caption_of(HWND hwnd);
DWORD pid_of(HWND hwnd);
// "hwnd<TAB>class<TAB>caption<TAB>visible<TAB>pid"
std::string describe(HWND hwnd);
