// The two data exchange helpers the dialogs use.
// A control is bound once; later exchanges leave the binding alone.
#include "data_exchange.h"
#include "wnd.h"

void DDX_Text(CDataExchange* dx, int controlId, std::string& value) {
    HWND control = ::GetDlgItem(dx->m_hDialog, controlId);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowTextA(control, value.c_str());
        return;
    }
    value = WindowText(control);
}

void DDX_Control(CDataExchange* dx, int controlId, CWnd& control) {
    if (!control.m_hWnd)
        control.Attach(::GetDlgItem(dx->m_hDialog, controlId));
}
