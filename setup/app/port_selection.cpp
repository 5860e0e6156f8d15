// The manual port dialog: the spooler's ports in its own order (inserted by position, so the list box's
// sorting never applies), the chosen port, and the installation on it.
#include "port_selection.h"

#include <cstring>
#include <new>
#include <vector>

#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "setup/app/exit_question_win32.h"
#include "setup/app/port_enumeration_win32.h"
#include "setup/install/current_model.h"
#include "setup/install/file_copy.h"
#include "setup/install/installer.h"
#include "setup/install/installer_system_win32.h"
#include "setup/res/resource.h"

std::string g_strSelectedPort;

namespace {
constexpr char kEnumerationError[] = "Unexpected error 0x002C occured while port enumeration.";

char* HeapCopy(const std::string& text) {
    char* copy = new (std::nothrow) char[text.size() + 1];
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}
} // namespace

CPortSelection::CPortSelection(CWnd* parent) : CDialog(IDD_PORT_SELECTION, parent) {}

void CPortSelection::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LIST_PORTS, m_listPorts);
    DDX_Text(dx, IDC_CURRENT_PORT, m_strCurrentPort);
}

BOOL CPortSelection::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!FillPortList()) {
        ShowMessageBox(m_hWnd, kEnumerationError, setup::kSetupCaption, MB_OKCANCEL);
        OnCancel();
    }
    return TRUE;
}

BOOL CPortSelection::FillPortList() {
    std::vector<setup::SpoolerPort> ports;
    if (!setup::EnumerateSpoolerPorts(ports))
        return FALSE;
    const std::optional<size_t> preselected = setup::PreselectedPort(ports);
    for (size_t i = 0; i < ports.size(); ++i) {
        const int index = m_listPorts.InsertString(static_cast<int>(i), setup::PortListText(ports[i]));
        if (index < 0)
            continue;
        m_listPorts.SetItemData(index, reinterpret_cast<ULONG_PTR>(HeapCopy(ports[i].name)));
        if (preselected == i)
            SelectEntry(index);
    }
    UpdateData(FALSE);
    return TRUE;
}

void CPortSelection::SelectEntry(int index) {
    m_listPorts.SetCurSel(index);
    m_strCurrentPort = m_listPorts.GetText(index);
    const auto* name = reinterpret_cast<const char*>(m_listPorts.GetItemData(index));
    g_strSelectedPort = name && reinterpret_cast<LRESULT>(name) != LB_ERR ? name : "";
    UpdateData(FALSE);
}

void CPortSelection::OnSelectionChange() {
    const int index = m_listPorts.GetCurSel();
    if (index >= 0)
        SelectEntry(index);
}

BOOL CPortSelection::PreTranslateMessage(MSG* msg) {
    if (IsEscapeKeyDown(msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CPortSelection::OnCancel() {
    if (setup::ConfirmExit(m_hWnd))
        CDialog::OnCancel();
}

bool CPortSelection::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_LIST_PORTS && notifyCode == LBN_SELCHANGE) {
        OnSelectionChange();
        return true;
    }
    if (id == IDC_OK_PORT && notifyCode == BN_CLICKED) {
        OnInstall();
        return true;
    }
    if (id == IDC_CANCEL_PORT && notifyCode == BN_CLICKED) {
        OnCancel();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CPortSelection::OnInstall() {
    ShowWindow(SW_HIDE);
    CFileCopy wait;
    wait.Create();
    setup::InstallerSystemWin32 system;
    setup::CInstaller installer(system, setup::CurrentModel());
    {
        CWaitCursor waitCursor;
        wait.ShowNow();
        installer.m_strPort = g_strSelectedPort;
        installer.Install();
        wait.ShowWindow(SW_HIDE);
    }
    installer.ReportResult();
    CDialog::OnOK();
}

void CPortSelection::FreePortNames() {
    const int count = m_listPorts.GetCount();
    for (int i = 0; i < count; ++i) {
        const ULONG_PTR data = m_listPorts.GetItemData(i);
        if (static_cast<LRESULT>(data) != LB_ERR)
            delete[] reinterpret_cast<char*>(data);
        m_listPorts.SetItemData(i, 0);
    }
}

bool CPortSelection::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR&) {
    // Each entry's copy of its port name goes with the list.
    if (msg == WM_DESTROY)
        FreePortNames();
    return false;
}
