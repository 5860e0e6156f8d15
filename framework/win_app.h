// The application object: one per program, constructed as a global, whose InitInstance does all the work.
// The framework's WinMain (win_main.cpp) finds it, records the module and calls InitInstance.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Does the program's whole work; the process ends when it returns.
    virtual BOOL InitInstance() { return FALSE; }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // The one application object of the process (set by its constructor).
    static CWinApp* Current();
};

// Module of the running program, for loading its resources.
HINSTANCE AppInstance();
