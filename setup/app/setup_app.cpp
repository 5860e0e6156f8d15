// CSetupApp: the setup program's application object. Its InitInstance refuses to run where the kit
// cannot install (another copy, not 32-bit Windows Vista, no administrator), shows the please-wait
// window for a second and then runs the model selection dialog, inside which everything else happens.
#include <windows.h>
#include <commctrl.h>

#include "framework/message_box.h"
#include "framework/win_app.h"
#include "setup/app/setup_dlg.h"
#include "setup/app/startup_checks.h"
#include "setup/app/startup_facts_win32.h"
#include "setup/install/file_copy.h"
#include "setup/install/install_layout.h"

namespace {

constexpr DWORD kSplashMs = 1000;

class CSetupApp : public CWinApp {
public:
    // Always FALSE: the dialogs are the whole program, so no message loop follows them.
    BOOL InitInstance() override {
        const setup::InstanceLock lock; // held, by existing, until the dialogs have closed
        if (const std::optional<std::string> refusal = setup::StartupRefusal(setup::ReadStartupFacts(lock))) {
            ShowMessageBox(nullptr, *refusal, setup::layout::kSetupCaption, MB_OK | MB_ICONERROR);
            return FALSE;
        }
        ::InitCommonControls();

        CSetupDlg setupDialog;
        m_pMainWnd = &setupDialog;
        // Shown although nothing is installed yet; the pause processes no messages.
        CFileCopy splash;
        splash.Create();
        splash.ShowNow();
        ::Sleep(kSplashMs);
        splash.ShowWindow(SW_HIDE);

        setupDialog.DoModal();
        m_pMainWnd = nullptr;
        return FALSE;
    }
};

CSetupApp theApp;

} // namespace
