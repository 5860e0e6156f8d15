// The two data exchange helpers the dialogs use.
// A control is bound once; later exchanges leave the binding alone.
#include "data_exchange.h"
#include "wnd.h"

void DDX_Text(CDataExchange* dx, int controlId, std::string& value) {
    HWND control = ::GetDlgItem(dx->m_hDialog, controlId);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        // Unchanged text is not set again: the exchange runs every second and a repaint costs more.
        if (WindowText(control) != value)
            ::SetWindowTextA(control, value.c_str());
        return;
    }
    value = WindowText(control);
}

void DDX_Control(CDataExchange* dx, int controlId, CWnd& control) {
    if (!control.m_hWnd)
        control.Attach(::GetDlgItem(dx->m_hDialog, controlId));
}
