// Resource and control ids of the setup program, shared by its resource script and its code.
// The numbers are fixed: the dialogs and the tests find the resources by them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs 102 (model selection), 108 (USB auto-detect) and 109 (manual port selection) take their
// ids here when they are written; the numbers are reserved for them.
#define IDB_MODEL 129
#define IDD_FILECOPY 130
#define IDB_CONNECT 131
#define IDB_WAIT 132
#define IDI_SETUP 133

#define IDC_WAIT_TEXT 1002
