// CDialog: a dialog from a numbered template, modal (DoModal, with our own message loop so that
// PreTranslateMessage sees every message) or modeless (Create). A derived class fills OnMessage.
#pragma once

#include "data_exchange.h"
#include "wnd.h"

// A key press of Escape: what the setup program's windows swallow in PreTranslateMessage so that
// Escape never ends them.
inline bool IsEscapeKeyDown(const MSG* msg) { return msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE; }

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; returns its result, or -1 when it could not be created.
    INT_PTR DoModal();
    // Creates the dialog modeless; it lives until DestroyWindow or EndDialog.
    BOOL Create();
    void EndDialog(int result);

    // Moves data between controls and members: from the controls when saving, to them otherwise.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    void SetIcon(HICON icon, BOOL bigIcon) {
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Sees each message of a modal loop that is meant for this dialog's windows before dispatch (the
    // modal dialog also those meant for no dialog of ours); TRUE swallows it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void DoDataExchange(CDataExchange* dx);

    // The derived class's message switch: return true when handled, with the dialog result in result
    // (for WM_CTLCOLOR* and WM_QUERYDRAGICON the handle itself). Unhandled messages get default processing.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // WM_COMMAND; the base maps IDOK to OnOK and IDCANCEL to OnCancel.
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The dialog of ours whose window is, or holds, hwnd; null for any other window.
    static CDialog* FromWindow(HWND hwnd);
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    void RunModalLoop();

    UINT m_nTemplateId;
    CWnd* m_pParent;
    bool m_bModal = false;
    bool m_bEnding = false;
    int m_nResult = -1;
    // How many of this dialog's messages are being handled, one inside another (a handler that shows a
    // message box receives more while the box runs its own loop).
    int m_nDispatchDepth = 0;
};
