// Entry point of the e2e robot: runs the command named first on the command line.
// End-to-end tests drive the programs under test from outside, as a user would, through these commands.
#include "commands.h"
#include "report.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace {

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* options;
    const char* what;
};

const Command kCommands[] = {
    {"find", cmd_find, "[--all] WINDOW", "hwnd; with --all every match: hwnd class caption visible pid"},
    {"wait-gone", cmd_wait_gone, "WINDOW", "until no window matches (exit 3 on timeout)"},
    {"list", cmd_list, "", "every top-level window: hwnd class caption visible pid"},
    {"text", cmd_text, "WINDOW", "window or control text (WM_GETTEXT), bytes as they are"},
    {"visible", cmd_visible, "WINDOW", "1 (exit 0) or 0 (exit 1)"},
    {"enabled", cmd_enabled, "WINDOW", "1 (exit 0) or 0 (exit 1)"},
    {"rect", cmd_rect, "WINDOW", "screen rectangle: x y w h"},
    {"style", cmd_style, "WINDOW", "style, then exstyle, in hex"},
    {"font", cmd_font, "WINDOW", "face name, then lfHeight, of the WM_GETFONT font"},
    {"focus", cmd_focus, "WINDOW", "hwnd, then dialog id, of the control with the keyboard focus"},
    {"click", cmd_click, "WINDOW", "BM_CLICK on a visible, enabled button"},
    {"command", cmd_command, "WINDOW --cmd N", "post WM_COMMAND"},
    {"close", cmd_close, "WINDOW", "post WM_SYSCOMMAND SC_CLOSE, like the close box"},
    {"key", cmd_key, "WINDOW --vk KEY [--via post|input]",
     "press ESCAPE, RETURN, TAB, DOWN, UP, SPACE, ... or N"},
    {"post", cmd_post, "WINDOW --msg N [--wparam N] [--lparam N]", "PostMessage"},
    {"send", cmd_send, "WINDOW --msg N [--wparam N] [--lparam N]", "SendMessage; prints the result"},
    {"tray", cmd_tray, "WINDOW --msg N --event dblclk|rbuttonup|lbuttonup|lbuttondown|N [--uid N]",
     "post a tray-icon callback"},
    {"devchange", cmd_devchange, "WINDOW --event arrival|removal --name PATH [--guid {GUID}]",
     "send WM_DEVICECHANGE for a device interface"},
    {"menu", cmd_menu, "[--pid N]", "items of the open popup menu: id<TAB>text<TAB>flags"},
    {"menu-choose", cmd_menu_choose, "[--pid N] --text T | --index N [--via keys|mouse]",
     "choose a popup menu item"},
    {"list-items", cmd_list_items, "WINDOW", "list-box items, one per line"},
    {"list-select", cmd_list_select, "WINDOW --index N", "select a list-box item and send LBN_SELCHANGE"},
    {"listview-items", cmd_listview_items, "WINDOW", "index<TAB>flags<TAB>text<TAB>subitems..."},
    {"listview-click", cmd_listview_click, "WINDOW --index N | --point x,y [--via mouse|notify]",
     "click an item or empty space"},
    {"reg-get", cmd_reg_get, "--key K --value V", "type, then data"},
    {"reg-set", cmd_reg_set, "--key K --value V [--type T] --data D", "multi_sz a|b|c; binary as hex bytes"},
    {"reg-del", cmd_reg_del, "--key K [--value V]", "a value, or the key and all below it"},
    {"reg-has", cmd_reg_has, "--key K [--value V]", "exit 0 if present, 1 if not"},
    {"printers", cmd_printers, "", "local printers: name<TAB>port<TAB>driver"},
    {"default-printer", cmd_default_printer, "", "the default printer's name"},
    {"printer-port", cmd_printer_port, "--printer P", "the printer's port"},
    {"set-printer-port", cmd_set_printer_port, "--printer P --port PORT", "move the printer to a port"},
    {"ports", cmd_ports, "", "ports: name<TAB>description"},
    {"add-port", cmd_add_port, "--port PORT", "add a local port"},
    {"add-driver", cmd_add_driver, "--name N [--file PATH]", "add a printer driver made of one DLL"},
    {"add-printer", cmd_add_printer, "--printer P --port PORT --driver D [--datatype RAW]", "add a printer"},
    {"del-printer", cmd_del_printer, "--printer P", "delete a printer"},
    {"service-create", cmd_service_create, "--name N --image PATH [--start system|demand]",
     "add a kernel-driver service (demand start unless told)"},
    {"service-start", cmd_service_start, "--name N", "start it; prints 0 or the Win32 error (exit 4)"},
    {"service-stop", cmd_service_stop, "--name N [--timeout MS]",
     "stop it and wait until it has (exit 3 on timeout)"},
    {"service-delete", cmd_service_delete, "--name N", "delete it"},
    {"service-state", cmd_service_state, "--name N", "stopped, start-pending, running, stop-pending, ..."},
    {"port-read", cmd_port_read, "--address N [--device PATH] [--code N] [--in-len N] [--out-len N]",
     "one port byte from the hwinterface driver: 0x7f, or \"error N\" (exit 4)"},
    {"proc", cmd_proc, "--exe NAME", "pids of running processes with that exe name"},
    {"wait-exit", cmd_wait_exit, "--exe NAME", "until none runs (exit 3 on timeout)"},
    {"kill", cmd_kill, "--exe NAME", "terminate them; prints their pids"},
    {"resources", cmd_resources, "--pid N | --exe NAME",
     "what the process holds, \"name value\" lines (-1 unknown): gdi-objects user-objects handles (0 under\n"
     "      Wine 8), gdi-table handle-list windows (what Wine keeps), threads working-set-kb private-kb"},
    {"sleep", cmd_sleep, "--ms N", "wait"},
    {"keep-desktop", cmd_keep_desktop, "--ms N", "stay a user of the desktop for that long"},
    {"screenshot", cmd_screenshot, "--out FILE.bmp [WINDOW]", "24-bit BMP of the window, or the screen"},
};

void print_usage() {
    std::fputs("usage: robot COMMAND [--option value ...]\n\n", stderr);
    for (const Command& command : kCommands) {
        std::fprintf(stderr, "  %s %s\n      %s\n", command.name, command.options, command.what);
    }
    std::fputs("\nWINDOW: --caption TEXT, --class NAME, --pid N, --hwnd 0xHEX, in any combination; --id N\n"
               "picks a child control; --timeout MS (default 5000) keeps looking every 50 ms.\n"
               "Exit: 0 done/true, 1 not found/false, 2 usage, 3 timed out, 4 a Win32 call failed.\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    // Scripts compare exact bytes, so "\n" must not become "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2 || std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0) {
        print_usage();
        return argc < 2 ? kUsage : kDone;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(command.name, argv[1]) == 0) {
            Args args;
            return args.parse(argc, argv, 2) ? command.run(args) : kUsage;
        }
    }
    return usage(std::string("unknown command ") + argv[1]);
}
