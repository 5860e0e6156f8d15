// CSetupDlg: the setup program's main window (template 102). It shows the one model this kit installs;
// OK stages the driver files and hands over to the USB auto-detect dialog, Cancel asks before quitting.
#pragma once

#include "framework/common_controls.h"
#include "framework/controls.h"
#include "framework/dialog.h"

class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // Escape must not end the dialog: the user quits by Cancel or the close box, after the question.
    BOOL PreTranslateMessage(MSG* msg) override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void OnConfirm();
    void OnListClick(const NMITEMACTIVATE& click);
    bool OnPaintMinimized();

    CTabCtrl m_tabModel;
    CListCtrl m_listModel;
    CImageList m_imageList;
    CStatic m_staticVersion;
    HICON m_hIcon; // a shared resource icon: the system frees it with the module
};
