// The robot's commands; each takes the parsed options and returns the process exit code.
// robot.cpp maps command names to these.
#pragma once

#include "args.h"

// Finding windows
int cmd_find(const Args& args);
int cmd_wait_gone(const Args& args);
int cmd_list(const Args& args);
// Reading window state
int cmd_text(const Args& args);
int cmd_visible(const Args& args);
int cmd_enabled(const Args& args);
int cmd_rect(const Args& args);
int cmd_style(const Args& args);
int cmd_font(const Args& args);
int cmd_focus(const Args& args);
// Acting on windows
int cmd_click(const Args& args);
int cmd_command(const Args& args);
int cmd_close(const Args& args);
int cmd_key(const Args& args);
int cmd_post(const Args& args);
int cmd_send(const Args& args);
int cmd_tray(const Args& args);
int cmd_devchange(const Args& args);
// Popup menus
int cmd_menu(const Args& args);
int cmd_menu_choose(const Args& args);
// List boxes and list views
int cmd_list_items(const Args& args);
int cmd_list_select(const Args& args);
int cmd_listview_items(const Args& args);
int cmd_listview_click(const Args& args);
// Registry
int cmd_reg_get(const Args& args);
int cmd_reg_set(const Args& args);
int cmd_reg_del(const Args& args);
int cmd_reg_has(const Args& args);
// Spooler
int cmd_printers(const Args& args);
int cmd_default_printer(const Args& args);
int cmd_printer_port(const Args& args);
int cmd_set_printer_port(const Args& args);
int cmd_ports(const Args& args);
int cmd_add_port(const Args& args);
int cmd_add_printer(const Args& args);
int cmd_add_driver(const Args& args);
int cmd_del_printer(const Args& args);
// Services and the port driver
int cmd_service_create(const Args& args);
int cmd_service_start(const Args& args);
int cmd_service_stop(const Args& args);
int cmd_service_delete(const Args& args);
int cmd_service_state(const Args& args);
int cmd_port_read(const Args& args);
// Processes
int cmd_proc(const Args& args);
int cmd_wait_exit(const Args& args);
int cmd_kill(const Args& args);
int cmd_resources(const Args& args);
// Misc
int cmd_sleep(const Args& args);
int cmd_keep_desktop(const Args& args);
int cmd_screenshot(const Args& args);
