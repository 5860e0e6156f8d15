// CStatusMonitorDlg: the monitor's main window, a modal dialog that lives for the whole run, starts
// hidden and owns every piece of monitor state. Other parts of the monitor write onto it.
#pragma once

#include <cstdint>
#include <string>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "monitor/port/parallel_port_win32.h"
#include "monitor/port/spooler_win32.h"
#include "poller_win32.h"
#include "status_machine.h"
#include "sys_tray.h"
#include "tip_cycle.h"

class CStatusMonitorDlg : public CDialog {
public:
    CStatusMonitorDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    // Enter and Esc only hide the window: the program ends through the tray menu alone.
    void OnOK() override { OnHideRequest(); }
    void OnCancel() override { OnHideRequest(); }

private:
    bool OnPaint();
    HBRUSH OnCtlColor(HDC dc, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanging(WINDOWPOS* position);
    void OnShowMonitor();
    void OnExitMonitor();
    void OnHideRequest() { ShowWindow(SW_HIDE); }

    // Discovery and the once-a-second poll.
    void RestartPolling();
    bool OpenInstalledPrinter();
    bool ReadPrinterPort();
    void SetUpParallelPort(const std::string& portName);
    void StopPortTimer();
    // The printer as this tick's one spooler query saw it, or null when the query failed.
    bool HasPortNameChanged(const monitor::PrinterSnapshot* printer);
    void UpdateQueueStatus(const monitor::PrinterSnapshot* printer);
    void OnStatusTick();
    void ApplyStatusActions(const monitor::StatusActions& actions);
    void OnTimer() { ParallelStatus = m_parallel.ReadStatus(); }

    // USB presence.
    void FindUsbPrinter();
    void RegisterUsbNotifications();
    void OnDeviceChange(WPARAM event, LPARAM data);

    void SweepNotificationArea();
    void ShowTip(int tipIndex);
    HCURSOR StatusCursor(monitor::StatusSymbol symbol);

    // Window and its controls.
    std::string m_strStatusText;
    CStatic m_ctlStatusPicture;
    CWnd m_ctlHeading;
    CWnd m_ctlTip;
    CWnd m_ctlVersion;
    CFont m_fontHeading;
    HICON m_hIcon; // shared resource icon: never destroyed
    CSysTray m_tray;
    bool m_bShowAllowed = false;
    fw::DevNotifyHandle m_hDevNotify;
    // Made once and kept, so that no cursor handle piles up over a long run.
    fw::CursorHandle m_curError;
    fw::CursorHandle m_curInfo;
    monitor::TipCycle m_tips;

    // Inputs of the status state machine, and what it keeps between ticks.
    fw::PrinterHandle m_hPrinter;
    monitor::TickBuffers m_tickBuffers;
    std::string PortName;
    std::string PortKind;
    uint32_t QueueStatus = 0;
    int32_t JobStatus = -1;
    int ParallelStatus = -1;
    bool UsbPresent = false;
    UINT_PTR m_nPortTimer = 0;
    monitor::StatusMemory m_status;
    monitor::ParallelPort m_parallel;
    Poller m_poller;
};
