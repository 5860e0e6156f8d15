// Resource and control ids of the status monitor, shared by the resource script and the code.
// The numbers are fixed: tests and the setup program's expectations rely on them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_STATUSMONITOR 102
#define IDC_PRINTER_PICTURE 136
#define IDB_PRINTER 152
#define IDR_ANI_ERROR 165
#define IDR_ANI_INFO 166
#define IDR_PORT_DRIVER 164
#define IDC_STATUS_PICTURE 1002
#define IDC_HEADING 1004
#define IDC_STATUS_TEXT 1005
#define IDC_OK 1007
#define IDC_TIP 1008
#define IDI_MONITOR 1009
#define IDI_TRAY 1010
#define IDC_VERSION 1010

#define ID_MONITOR_SHOW 101
#define ID_MONITOR_SEARCH 102
#define ID_MONITOR_EXIT 104

#define WM_TRAY_NOTIFY (WM_USER + 15)
#define WM_MONITOR_TICK (WM_USER + 258)
