// Test program of the setup's please-wait window and stager, for the end-to-end scenario please_wait.
// No switch: a modal host shows the please-wait window (CFileCopy) modeless over itself, as a port
// dialog does; "--plain": the same with a bare CDialog on template 130, whose Escape and Enter close
// it; "--stage": CFileCopy::StageDriverFiles from the current directory, then the directory it found.
#include <cstdio>
#include <cstring>
#include <memory>

#include "framework/dialog.h"
#include "framework/win_app.h"
#include "setup/install/file_copy.h"
#include "setup/res/resource.h"
#include "probe_resource.h"

namespace {

constexpr UINT WM_SHOW_PLEASE_WAIT = WM_APP + 1;

bool HasSwitch(const char* name) {
    return std::strstr(::GetCommandLineA(), name) != nullptr;
}

class CProbeHostDlg : public CDialog {
public:
    explicit CProbeHostDlg(bool plain)
        : CDialog(IDD_PROBE_HOST),
          m_wait(plain ? std::make_unique<CDialog>(IDD_FILECOPY) : std::make_unique<CFileCopy>()) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        // Shown once the host is up, so that the please-wait window opens over it.
        PostMessage(WM_SHOW_PLEASE_WAIT);
        return TRUE;
    }

    bool OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR& result) override {
        if (msg != WM_SHOW_PLEASE_WAIT)
            return false;
        m_wait->Create();
        m_wait->ShowWindow(SW_SHOW);
        result = 0;
        return true;
    }

private:
    std::unique_ptr<CDialog> m_wait;
};

class CPleaseWaitProbeApp : public CWinApp {
public:
    BOOL InitInstance() override {
        if (HasSwitch("--stage")) {
            CFileCopy stager;
            stager.StageDriverFiles();
            const char* directory = stager.DriverDirectory();
            std::printf("\ndirectory: %s\n", directory ? directory : "(none)");
            return FALSE;
        }
        CProbeHostDlg host(HasSwitch("--plain"));
        host.DoModal();
        return FALSE;
    }
};

CPleaseWaitProbeApp theApp;

} // namespace
