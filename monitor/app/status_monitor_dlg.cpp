// The main window's start-up, painting, show permission, tray commands and exit sequence.
// Start-up order matters: the icon exists before discovery, so a user can always reach the window.
#include "status_monitor_dlg.h"

#include <dbt.h>
#include <initguid.h>
#include <usbiodef.h>

#include "model_index.h"
#include "catalogue/monitor_catalogue.h"
#include "framework/win_app.h"
#include "monitor/res/resource.h"
#include "heading_colour.h"
#include "monitor_texts.h"
#include "status_cursor_win32.h"
#include "tray_sweep.h"

namespace {
constexpr int kHeadingPointTenths = 140;
constexpr char kHeadingFace[] = "Arial";
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

    OpenInstalledPrinter();

    UsbPresent = false;
    FindUsbPrinter();
    RegisterUsbNotifications();

    SetWindowText(monitor::WindowCaption(catalogue::DisplayName[ModelIndex]));
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
    SearchingFlag = true;
    ShowTip(m_tips.TakeNext());
    ShowWindow(SW_RESTORE);
    RestartPolling();
}

void CStatusMonitorDlg::OnExitMonitor() {
    SweepNotificationArea();
    m_tray.RemoveTrayIcon();
    m_hDevNotify.Reset();
    EndDialog(IDOK);
}

void CStatusMonitorDlg::RestartPolling() {
    UpdateData(TRUE);
    OpenInstalledPrinter();
}

bool CStatusMonitorDlg::OpenInstalledPrinter() {
    PRINTER_DEFAULTSA defaults = {};
    defaults.DesiredAccess = PRINTER_ALL_ACCESS;
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(catalogue::DisplayName[ModelIndex]), &printer, &defaults)) {
        m_strStatusText = monitor::NotInstalledMessage(catalogue::DisplayName[ModelIndex]);
        m_ctlHeading.SetWindowText(monitor::kNoPrinterHeading);
        m_ctlStatusPicture.SetCursor(StatusCursor(IDR_ANI_ERROR));
        UpdateData(FALSE);
        return false;
    }
    m_hPrinter.Reset(printer);
    return ReadPrinterPort();
}

// The port query and its classification are not built yet: the printer counts as found without a
// readable port, so no polling starts.
bool CStatusMonitorDlg::ReadPrinterPort() { return false; }

// The USB interface walk is not built yet: the model's USB printer counts as absent.
void CStatusMonitorDlg::FindUsbPrinter() { UsbPresent = false; }

void CStatusMonitorDlg::RegisterUsbNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = GUID_DEVINTERFACE_USB_DEVICE;
    m_hDevNotify.Reset(::RegisterDeviceNotificationA(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
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

HCURSOR CStatusMonitorDlg::StatusCursor(int resourceId) {
    fw::CursorHandle& cursor = (resourceId == IDR_ANI_ERROR) ? m_curError : m_curInfo;
    if (!cursor)
        cursor = LoadStatusCursor(resourceId);
    return cursor.Get();
}
