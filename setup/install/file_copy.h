// CFileCopy: the please-wait window (template 130) that the port dialogs show during an installation,
// and the stager that copies the kit's driver files into the spooler's printer driver directory.
#pragma once

#include <memory>

#include "framework/dialog.h"

class CFileCopy : public CDialog {
public:
    explicit CFileCopy(CWnd* parent = nullptr);

    // Copies every driver file beside the program into the driver directory. Shows an error when the
    // directory is unknown; ends the process with exit code 1 when the copy fails.
    void StageDriverFiles();

    // The driver directory StageDriverFiles found, or null while none is known.
    const char* DriverDirectory() const { return m_pszDriverDir.get(); }

    // Shows the window and paints it at once: every caller goes on to work that processes no messages
    // (a pause, the installation), and an unpainted please-wait window would be an empty frame.
    void ShowNow();

    // Enter does nothing, and the window's users call it when they are done with the window.
    void OnOK() override {}

protected:
    // Escape must not close the window.
    BOOL PreTranslateMessage(MSG* msg) override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    BOOL GetDriverDirectory();
    BOOL CopyDriverFiles();

    std::unique_ptr<char[]> m_pszDriverDir;
};
