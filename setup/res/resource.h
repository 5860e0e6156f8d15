// Resource and control ids of the setup program, shared by its resource script and its code.
// The numbers are fixed: the dialogs and the tests find the resources by them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_SETUP_DIALOG 102
#define IDD_PRINTER_CONNECTION 108
#define IDD_PORT_SELECTION 109
#define IDB_MODEL 129
#define IDD_FILECOPY 130
#define IDB_CONNECT 131
#define IDB_WAIT 132
#define IDI_SETUP 133

// Model selection dialog.
#define IDC_TAB_MODEL 1000
#define IDC_LIST_MODEL 1001
#define IDC_STATIC_VERSION 1009

// Please-wait window.
#define IDC_WAIT_TEXT 1002

// USB auto-detect dialog.
#define IDC_CANCEL_CONNECTION 1005
#define IDC_PICTURE_CONNECT 1015
#define IDC_CONNECT_TEXT 1020
#define IDC_MANUAL 1021

// Manual port selection dialog.
#define IDC_CANCEL_PORT 1006
#define IDC_OK_PORT 1008
#define IDC_LIST_PORTS 1016
#define IDC_CURRENT_PORT 1017
