// Dialog data exchange: moving a control's text to and from a string member, and binding a control id
// to a wrapper object. Called from a dialog's DoDataExchange in both directions.
#pragma once

#include <windows.h>
#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND m_hDialog;
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
};

void DDX_Text(CDataExchange* dx, int controlId, std::string& value);
void DDX_Control(CDataExchange* dx, int controlId, CWnd& control);
