// The USB auto-detect dialog: device registration, the arrival match, the installation on the printer's
// USB port, and the hand-over to the manual port dialog.
#include "printer_connection.h"

#include <cstddef>
#include <cstring>

#include "catalogue/model_catalogue.h"
#include "framework/wait_cursor.h"
#include "model_index.h"
#include "setup/app/exit_question_win32.h"
#include "setup/app/port_selection.h"
#include "setup/app/usb_port.h"
#include "setup/app/usb_port_lookup_win32.h"
#include "setup/install/current_model.h"
#include "setup/install/file_copy.h"
#include "setup/install/installer.h"
#include "setup/install/installer_system_win32.h"
#include "setup/res/resource.h"

namespace {
// GUID_DEVINTERFACE_USB_DEVICE: every USB device, so the dialog hears the printer whatever its class.
constexpr GUID kUsbDeviceInterface = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
// The system needs a moment after the arrival before the printer's port is recorded.
constexpr DWORD kArrivalSettleMs = 2000;
} // namespace

CPrinterConnection::CPrinterConnection(CWnd* parent) : CDialog(IDD_PRINTER_CONNECTION, parent) {}

BOOL CPrinterConnection::OnInitDialog() {
    CDialog::OnInitDialog();
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterface;
    m_hDevNotify.Reset(::RegisterDeviceNotificationA(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    return TRUE;
}

BOOL CPrinterConnection::PreTranslateMessage(MSG* msg) {
    if (IsEscapeKeyDown(msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CPrinterConnection::OnCancel() {
    if (setup::ConfirmExit(m_hWnd))
        CDialog::OnCancel();
}

bool CPrinterConnection::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (notifyCode == BN_CLICKED && id == IDC_MANUAL) {
        OnManual();
        return true;
    }
    if (notifyCode == BN_CLICKED && id == IDC_CANCEL_CONNECTION) {
        OnCancel();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

bool CPrinterConnection::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (msg != WM_DEVICECHANGE)
        return false;
    OnDeviceChange(wParam, reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam));
    result = 0;
    return true;
}

void CPrinterConnection::OnDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* broadcast) {
    if (event != DBT_DEVICEARRIVAL || !broadcast || broadcast->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    OnUsbDeviceArrival(*reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(broadcast));
}

void CPrinterConnection::OnUsbDeviceArrival(const DEV_BROADCAST_DEVICEINTERFACE_A& arrival) {
    // The name runs to the end of the broadcast; a sender that did not end it gets it cut there.
    const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
    const size_t room = arrival.dbcc_size > nameOffset ? arrival.dbcc_size - nameOffset : 0;
    const std::string name(arrival.dbcc_name, strnlen(arrival.dbcc_name, room));
    const char* instance = catalogue::UsbInstanceId[ModelIndex];
    if (!setup::IsModelPrinterArrival(name, instance))
        return;

    // No second arrival may start a second installation while the boxes below run their loops.
    m_hDevNotify.Reset();
    CDialog::OnOK(); // the modal loop ends once this handler has returned

    setup::InstallerSystemWin32 system;
    setup::CInstaller installer(system, setup::CurrentModel());
    CFileCopy wait;
    {
        CWaitCursor waitCursor;
        wait.Create();
        wait.ShowNow();
        ::Sleep(kArrivalSettleMs);
        if (installer.RegisterInf()) {
            installer.m_strPort = setup::LookupUsbPort(instance);
            installer.Install();
        }
        wait.ShowWindow(SW_HIDE);
    }
    installer.ReportResult();
}

void CPrinterConnection::OnManual() {
    m_hDevNotify.Reset();
    ShowWindow(SW_HIDE);
    CPortSelection portSelection;
    portSelection.DoModal();
    CDialog::OnOK();
}
