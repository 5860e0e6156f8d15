// The main window's start-up, painting, show permission, tray commands and exit sequence.
// Start-up order matters: the icon exists before discovery, so a user can always reach the window.
#include "status_monitor_dlg.h"

#include <dbt.h>
#include <initguid.h>
#include <usbiodef.h>

#include "model_index.h"
#include "catalogue/monitor_catalogue.h"
#include "framework/win_app.h"
#include "monitor/port/job_scan.h"
#include "monitor/port/port_change.h"
#include "monitor/port/port_classification.h"
#include "monitor/port/registry_win32.h"
#include "monitor/port/spooler_win32.h"
#include "monitor/port/usb_match.h"
#include "monitor/port/usb_win32.h"
#include "monitor/res/resource.h"
#include "heading_colour.h"
#include "monitor_texts.h"
#include "status_cursor_win32.h"
#include "tray_sweep.h"

namespace {
constexpr int kHeadingPointTenths = 140;
constexpr char kHeadingFace[] = "Arial";
constexpr UINT_PTR kPortTimerId = 1;
constexpr UINT kPortTimerMilliseconds = 1000;

std::string DisplayName() { return catalogue::DisplayName[ModelIndex]; }
} // namespace

CStatusMonitorDlg::CStatusMonitorDlg()
    : CDialog(IDD_STATUSMONITOR), m_strStatusText(monitor::kSearchingText),
      m_hIcon(::LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_MONITOR))),
      m_tips(catalogue::monitor::kTipCount) {}

void CStatusMonitorDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_STATUS_PICTURE, m_ctlStatusPicture);
    DDX_Control(dx, IDC_HEADING, m_ctlHeading);
    DDX_Control(dx, IDC_TIP, m_ctlTip);
    DDX_Control(dx, IDC_VERSION, m_ctlVersion);
    DDX_Text(dx, IDC_STATUS_TEXT, m_strStatusText);
}

BOOL CStatusMonitorDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    if (m_fontHeading.CreatePointFont(kHeadingPointTenths, kHeadingFace))
        m_ctlHeading.SetFont(m_fontHeading.Get(), TRUE);

    ParallelStatus = -1;
    m_nPortTimer = 0;

    HICON trayIcon = ::LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_TRAY));
    m_tray.CreateTrayIcon(WM_TRAY_NOTIFY, monitor::kTrayTip, trayIcon);

    if (OpenInstalledPrinter())
        m_poller.Start(m_hWnd, WM_MONITOR_TICK);

    UsbPresent = false;
    FindUsbPrinter();
    RegisterUsbNotifications();

    SetWindowText(monitor::WindowCaption(DisplayName()));
    m_ctlVersion.SetWindowText(catalogue::monitor::VersionText);
    ShowTip(m_tips.TakeFirst());

    // Starts hidden: this show, and the framework's own, are refused by OnWindowPosChanging.
    m_bShowAllowed = false;
    ShowWindow(SW_SHOWMAXIMIZED);
    return TRUE;
}

bool CStatusMonitorDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (msg) {
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_hIcon);
        return true;
    case WM_CTLCOLORSTATIC:
        // Only the heading is coloured; every other control keeps the dialog's defaults.
        if (reinterpret_cast<HWND>(lParam) != m_ctlHeading.m_hWnd)
            return false;
        result = reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), msg, wParam, lParam));
        return true;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return false; // default processing goes on
    case WM_MONITOR_TICK:
        OnStatusTick();
        result = 0;
        return true;
    case WM_TIMER:
        OnTimer();
        return false; // the framework sees the timer too
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        result = 0;
        return true;
    default:
        return false;
    }
}

bool CStatusMonitorDlg::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
    case ID_MONITOR_SHOW:
        OnShowMonitor();
        return true;
    case ID_MONITOR_EXIT:
        OnExitMonitor();
        return true;
    case ID_MONITOR_SEARCH:
        RestartPolling();
        return true;
    case IDC_OK:
        OnHideRequest();
        return true;
    default:
        return CDialog::OnCommand(id, notifyCode, control);
    }
}

bool CStatusMonitorDlg::OnPaint() {
    if (!::IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

HBRUSH CStatusMonitorDlg::OnCtlColor(HDC dc, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The default brush and colours first, as the dialog would have them without us.
    auto brush = reinterpret_cast<HBRUSH>(::DefWindowProcA(m_hWnd, msg, wParam, lParam));
    ::SetTextColor(dc, monitor::HeadingTextColour(m_ctlHeading.GetWindowText()));
    return brush;
}

void CStatusMonitorDlg::OnWindowPosChanging(WINDOWPOS* position) {
    if (!m_bShowAllowed && position)
        position->flags &= ~SWP_SHOWWINDOW;
}

void CStatusMonitorDlg::OnShowMonitor() {
    m_bShowAllowed = true;
    m_status.searching = true;
    ShowTip(m_tips.TakeNext());
    ShowWindow(SW_RESTORE);
    RestartPolling();
}

void CStatusMonitorDlg::OnExitMonitor() {
    m_poller.Stop(); // ended and waited for before anything it could touch goes
    SweepNotificationArea();
    m_tray.RemoveTrayIcon();
    m_hDevNotify.Reset();
    m_parallel.CloseDriver();
    EndDialog(IDOK);
}

void CStatusMonitorDlg::RestartPolling() {
    UpdateData(TRUE);
    m_poller.Stop();
    if (OpenInstalledPrinter())
        m_poller.Start(m_hWnd, WM_MONITOR_TICK);
}

bool CStatusMonitorDlg::OpenInstalledPrinter() {
    fw::PrinterHandle printer = monitor::OpenPrinterAllAccess(DisplayName());
    if (!printer) {
        m_strStatusText = monitor::NotInstalledMessage(DisplayName());
        m_ctlHeading.SetWindowText(monitor::kNoPrinterHeading);
        m_ctlStatusPicture.SetCursor(StatusCursor(monitor::StatusSymbol::Error));
        UpdateData(FALSE);
        return false;
    }
    m_hPrinter = std::move(printer); // the handle of an earlier discovery is closed here
    return ReadPrinterPort();
}

bool CStatusMonitorDlg::ReadPrinterPort() {
    std::string portName;
    switch (monitor::ReadPrinterPortName(m_hPrinter.Get(), portName)) {
    case monitor::PortRead::NotAsked:
        return false;
    case monitor::PortRead::Failed:
        PortKind.clear();
        return false;
    case monitor::PortRead::Read:
        break;
    }
    PortName = portName;
    const monitor::PortClass portClass = monitor::ClassifyPort(PortName);
    PortKind = portClass.kind;
    switch (portClass.action) {
    case monitor::PortAction::SetUpParallelPort:
        SetUpParallelPort(PortName);
        break;
    case monitor::PortAction::StopParallelTimer:
        ParallelStatus = -1;
        StopPortTimer();
        break;
    case monitor::PortAction::LeaveAsItIs:
        break;
    }
    UpdateData(FALSE);
    return true;
}

void CStatusMonitorDlg::SetUpParallelPort(const std::string& portName) {
    ParallelStatus = -1;
    switch (m_parallel.SetUp(portName)) {
    case monitor::ParallelPort::TimerChange::Start:
        m_nPortTimer = ::SetTimer(m_hWnd, kPortTimerId, kPortTimerMilliseconds, nullptr);
        break;
    case monitor::ParallelPort::TimerChange::Stop:
        StopPortTimer();
        break;
    case monitor::ParallelPort::TimerChange::Keep:
        break;
    }
}

void CStatusMonitorDlg::StopPortTimer() {
    if (m_nPortTimer != 0 && ::KillTimer(m_hWnd, m_nPortTimer))
        m_nPortTimer = 0;
}

bool CStatusMonitorDlg::HasPortNameChanged(const monitor::PrinterSnapshot* printer) {
    const std::optional<std::string> recorded = monitor::ReadRecordedPortName(DisplayName());
    std::optional<std::string> reported;
    if (!recorded && printer)
        reported = printer->portName;
    return monitor::PortNameChanged(recorded, reported, PortName);
}

void CStatusMonitorDlg::UpdateQueueStatus(const monitor::PrinterSnapshot* printer) {
    JobStatus = monitor::kNoJob;
    std::vector<uint32_t> jobs;
    if (!printer || !monitor::QueryJobStatuses(m_hPrinter.Get(), m_tickBuffers, printer->jobCount, jobs))
        return;
    QueueStatus = printer->status;
    JobStatus = monitor::PickJobStatus(QueueStatus, jobs);
}

void CStatusMonitorDlg::OnStatusTick() {
    if (!m_poller.IsRunning())
        return; // a tick posted before the poller was stopped
    // One query serves both the port check and the queue status: it is the costly part of a tick.
    monitor::PrinterSnapshot snapshot;
    const bool known = m_hPrinter && monitor::QueryPrinterSnapshot(m_hPrinter.Get(), m_tickBuffers, snapshot);
    const monitor::PrinterSnapshot* printer = known ? &snapshot : nullptr;
    if (HasPortNameChanged(printer)) {
        RestartPolling();
        return;
    }
    UpdateQueueStatus(printer);
    UpdateData(TRUE);
    const monitor::StatusInputs inputs{QueueStatus, JobStatus, PortKind, ParallelStatus, UsbPresent};
    const monitor::StatusStep step = monitor::StepStatus(inputs, m_status, DisplayName());
    m_status = step.memory;
    ApplyStatusActions(step.actions);
    UpdateData(FALSE);
}

void CStatusMonitorDlg::ApplyStatusActions(const monitor::StatusActions& actions) {
    if (actions.show) {
        m_bShowAllowed = true;
        ShowWindow(SW_RESTORE);
    }
    if (actions.message)
        m_strStatusText = *actions.message;
    if (actions.heading)
        m_ctlHeading.SetWindowText(*actions.heading);
    if (actions.symbol)
        m_ctlStatusPicture.SetCursor(StatusCursor(*actions.symbol));
    if (actions.hide) {
        if (actions.forbidShow)
            m_bShowAllowed = false;
        ShowWindow(SW_HIDE);
    }
}

void CStatusMonitorDlg::FindUsbPrinter() {
    UsbPresent = monitor::FindUsbPrinterInterface(monitor::UsbPrinterPath(catalogue::UsbInstanceId[ModelIndex]));
}

void CStatusMonitorDlg::RegisterUsbNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = GUID_DEVINTERFACE_USB_DEVICE;
    m_hDevNotify.Reset(::RegisterDeviceNotificationA(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

void CStatusMonitorDlg::OnDeviceChange(WPARAM event, LPARAM data) {
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(data);
    const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
    if (broadcast->dbcc_size <= nameOffset)
        return;
    // The name ends at its terminator or at the end of the broadcast, whichever comes first.
    const std::string name(broadcast->dbcc_name, strnlen(broadcast->dbcc_name, broadcast->dbcc_size - nameOffset));
    if (monitor::DeviceNameMatchesKey(name, monitor::UsbDeviceKey(catalogue::UsbInstanceId[ModelIndex])))
        UsbPresent = (event == DBT_DEVICEARRIVAL);
}

void CStatusMonitorDlg::SweepNotificationArea() {
    HWND toolbar = ::FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr);
    for (const char* childClass : {"TrayNotifyWnd", "SysPager", "ToolbarWindow32"}) {
        if (!toolbar)
            return;
        toolbar = ::FindWindowExA(toolbar, nullptr, childClass, nullptr);
    }
    RECT client;
    if (!toolbar || !::GetClientRect(toolbar, &client))
        return;
    for (uint32_t point : monitor::SweepMouseMoveParams(client.right, client.bottom))
        ::SendMessageA(toolbar, WM_MOUSEMOVE, 0, static_cast<LPARAM>(point));
}

void CStatusMonitorDlg::ShowTip(int tipIndex) { m_ctlTip.SetWindowText(catalogue::monitor::Tips[tipIndex]); }

HCURSOR CStatusMonitorDlg::StatusCursor(monitor::StatusSymbol symbol) {
    if (symbol == monitor::StatusSymbol::None)
        return nullptr;
    const bool error = symbol == monitor::StatusSymbol::Error;
    fw::CursorHandle& cursor = error ? m_curError : m_curInfo;
    if (!cursor)
        cursor = LoadStatusCursor(error ? IDR_ANI_ERROR : IDR_ANI_INFO);
    return cursor.Get();
}
