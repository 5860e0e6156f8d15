// The monitor's entry: the single-instance lock, then the main window for the whole run.
// The lock is a named mutex in the global namespace, so it holds for every logged-on user.
#include "status_monitor_app.h"

#include <commctrl.h>

#include "model_index.h"
#include "catalogue/monitor_catalogue.h"
#include "framework/handles.h"
#include "status_monitor_dlg.h"

CStatusMonitorApp theApp;

BOOL CStatusMonitorApp::InitInstance() {
    fw::KernelHandle mutex(::CreateMutexA(nullptr, FALSE, catalogue::monitor::MonitorMutexName[ModelIndex]));
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    ::InitCommonControls();

    CStatusMonitorDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
