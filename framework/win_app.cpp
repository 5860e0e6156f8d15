// The application object's registration and the program's entry point.
// The single pointer below is the framework's only process-wide state.
#include "win_app.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* CWinApp::Current() { return g_pApp; }

HINSTANCE AppInstance() { return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr); }

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->m_hInstance = hInstance;
    app->InitInstance();
    return 0;
}
