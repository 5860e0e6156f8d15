// The please-wait window's key handling and the driver-file stager: the spooler's driver directory,
// then one shell copy of the six kinds of driver file from the current directory into it.
#include "file_copy.h"

#include <shellapi.h>

#include <cstdlib>
#include <string>

#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "setup/install/driver_directory_win32.h"
#include "setup/install/installer.h"
#include "setup/res/resource.h"

namespace {
// Relative patterns, so the shell takes the files from the directory the program was started in.
constexpr char DriverFilePatterns[] = "*.GPD\0*.DLL\0*.INF\0*.HLP\0*.CAT\0*.EXE\0";
constexpr int kCopyFailedExitCode = 1;
} // namespace

CFileCopy::CFileCopy(CWnd* parent) : CDialog(IDD_FILECOPY, parent) {}

BOOL CFileCopy::PreTranslateMessage(MSG* msg) {
    if (IsEscapeKeyDown(msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CFileCopy::ShowNow() {
    ShowWindow(SW_SHOW);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CFileCopy::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
}

void CFileCopy::StageDriverFiles() {
    CWaitCursor wait;
    if (!GetDriverDirectory()) {
        ShowMessageBox(nullptr, setup::kErrorDirectory, setup::kSetupCaption, MB_OK | MB_ICONERROR);
        return;
    }
    // The shell has shown whatever went wrong; the installation cannot go on without the files.
    if (!CopyDriverFiles())
        std::exit(kCopyFailedExitCode);
}

BOOL CFileCopy::GetDriverDirectory() {
    return setup::QueryDriverDirectory(m_pszDriverDir) ? TRUE : FALSE;
}

BOOL CFileCopy::CopyDriverFiles() {
    if (!m_pszDriverDir)
        return FALSE;
    // The shell wants the target as a list too: the string's own NUL ends the name, this one the list.
    std::string target(m_pszDriverDir.get());
    target.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_COPY;
    operation.pFrom = DriverFilePatterns;
    operation.pTo = target.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
    CWaitCursor wait;
    return ::SHFileOperationA(&operation) == 0 ? TRUE : FALSE;
}
