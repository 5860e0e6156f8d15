// CPortSelection: the manual port dialog (template 109). It lists the spooler's ports, pre-selects
// "LPT1:", and on OK installs the printer on the chosen port.
#pragma once

#include <string>

#include "framework/common_controls.h"
#include "framework/dialog.h"

// The name of the port last chosen in the manual port dialog; the OK handler installs on it.
extern std::string g_strSelectedPort;

class CPortSelection : public CDialog {
public:
    explicit CPortSelection(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // The dialog has no IDOK control; its own OK button (1008) installs.
    void OnOK() override {}
    void OnCancel() override;
    // Escape must not end the dialog.
    BOOL PreTranslateMessage(MSG* msg) override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    BOOL FillPortList();
    void OnSelectionChange();
    void OnInstall();
    void SelectEntry(int index);
    void FreePortNames();

    CListBox m_listPorts;
    std::string m_strCurrentPort;
};
