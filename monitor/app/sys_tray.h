// CSysTray: the monitor's icon in the taskbar's notification area, its hidden message window and its
// two-item popup menu. Menu commands and the double-click go to the application's main window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "framework/controls.h"
#include "framework/wnd.h"

class CSysTray : public CWnd {
public:
    CSysTray();

    // Adds the icon; failures are not reported (the monitor runs on without an icon). Returns 0.
    int CreateTrayIcon(UINT callbackMessage, const char* tip, HICON icon);
    void RemoveTrayIcon();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);

    CMenu m_menu;
    NOTIFYICONDATAA m_nid; // only the first 88 bytes are used (cbSize says so)
    UINT m_nTaskbarCreated;
    bool m_bIconWanted = false; // between CreateTrayIcon and RemoveTrayIcon
};
