// CPrinterConnection: the USB auto-detect dialog (template 108). It waits for the model's printer to
// arrive on USB and then installs it on its USB port; Manual leads to the manual port dialog instead.
#pragma once

#include <windows.h>
#include <dbt.h>

#include "framework/dialog.h"
#include "framework/handles.h"

class CPrinterConnection : public CDialog {
public:
    explicit CPrinterConnection(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // Escape must not end the dialog.
    BOOL PreTranslateMessage(MSG* msg) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void OnDeviceChange(WPARAM event, const DEV_BROADCAST_HDR* broadcast);
    void OnUsbDeviceArrival(const DEV_BROADCAST_DEVICEINTERFACE_A& arrival);
    void OnManual();

    // The USB device registration; removed (reset) when auto-detection stops.
    fw::DevNotifyHandle m_hDevNotify;
};
