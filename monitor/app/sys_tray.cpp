// The tray icon's creation, menu and mouse handling, and its return after the taskbar restarts.
// The record is the 88-byte first layout, which every shell version accepts.
#include "sys_tray.h"

#include <string>

#include "model_index.h"
#include "framework/win_app.h"
#include "monitor/res/resource.h"
#include "monitor_texts.h"

namespace {
constexpr UINT kTrayIconId = 1;
constexpr DWORD kNotifyIconRecordSize = 88;
} // namespace

CSysTray::CSysTray() : m_nid(), m_nTaskbarCreated(::RegisterWindowMessageA("TaskbarCreated")) {}

int CSysTray::CreateTrayIcon(UINT callbackMessage, const char* tip, HICON icon) {
    CreateEx(0, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);

    if (m_menu.CreatePopupMenu()) {
        const std::string showText = monitor::TrayShowItemText(catalogue::DisplayName[ModelIndex]);
        m_menu.AppendMenu(MF_STRING, ID_MONITOR_SHOW, showText.c_str());
        m_menu.AppendMenu(MF_STRING, ID_MONITOR_EXIT, monitor::kExitItemText);
    }

    m_nid = NOTIFYICONDATAA();
    m_nid.cbSize = kNotifyIconRecordSize;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = callbackMessage;
    m_nid.hIcon = icon;
    ::lstrcpynA(m_nid.szTip, tip, 64); // the first layout's field: 63 characters and the zero
    m_bIconWanted = true;
    ::Shell_NotifyIconA(NIM_ADD, &m_nid);
    return 0;
}

void CSysTray::RemoveTrayIcon() {
    m_bIconWanted = false;
    ::Shell_NotifyIconA(NIM_DELETE, &m_nid);
}

LRESULT CSysTray::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_bIconWanted && msg == m_nid.uCallbackMessage)
        return OnTrayNotify(wParam, lParam);
    // A restarted taskbar has forgotten every icon; without this the user loses the monitor.
    if (m_bIconWanted && m_nTaskbarCreated != 0 && msg == m_nTaskbarCreated) {
        ::Shell_NotifyIconA(NIM_ADD, &m_nid);
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

LRESULT CSysTray::OnTrayNotify(WPARAM, LPARAM lParam) {
    CWinApp* app = CWinApp::Current();
    HWND mainWindow = (app && app->m_pMainWnd) ? app->m_pMainWnd->m_hWnd : nullptr;
    if (!mainWindow)
        return 0;

    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP: {
        POINT cursor = {};
        ::GetCursorPos(&cursor);
        ::SetForegroundWindow(mainWindow);
        m_menu.SetDefaultItem(ID_MONITOR_SHOW);
        m_menu.TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, mainWindow);
        // Lets the menu close properly when the user clicks elsewhere.
        ::PostMessageA(mainWindow, WM_NULL, 0, 0);
        break;
    }
    case WM_LBUTTONDBLCLK:
        ::SetForegroundWindow(mainWindow);
        ::SendMessageA(mainWindow, WM_COMMAND, ID_MONITOR_SHOW, 0);
        break;
    default:
        break;
    }
    return 0;
}
