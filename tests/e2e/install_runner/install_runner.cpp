// A test program that runs the setup engine as the port dialogs will: the please-wait window, one
// installation on the port given on the command line, the report box. Run from a kit's folder.
//   install_runner PORT [--stage] [--usb] [--hold-wait MS]
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/win_app.h"
#include "setup/install/current_model.h"
#include "setup/install/file_copy.h"
#include "setup/install/installer.h"
#include "setup/install/installer_system_win32.h"

namespace {

// Lets the please-wait window paint, as the dialogs' own message loops would before a long step.
void PumpFor(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    do {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < milliseconds);
}

class CInstallRunnerApp : public CWinApp {
public:
    BOOL InitInstance() override {
        const char* commandLine = ::GetCommandLineA();
        const std::string port = Argument(1);
        const bool stage = std::strstr(commandLine, "--stage") != nullptr;
        const bool usb = std::strstr(commandLine, "--usb") != nullptr;
        const char* hold = std::strstr(commandLine, "--hold-wait ");
        const DWORD holdMs = hold ? static_cast<DWORD>(std::atoi(hold + 12)) : 200;

        if (stage) {
            CFileCopy stager;
            stager.StageDriverFiles();
        }
        CFileCopy wait;
        wait.Create();
        wait.ShowWindow(SW_SHOW);
        PumpFor(holdMs);

        setup::InstallerSystemWin32 system;
        setup::CInstaller installer(system, setup::CurrentModel());
        if (!usb || installer.RegisterInf()) {
            installer.m_strPort = port;
            installer.Install();
        }
        wait.ShowWindow(SW_HIDE); // its OK handler does nothing, so it is not called here

        installer.ReportResult();
        return FALSE;
    }

private:
    // The n-th space-separated word after the program's name (ports have no spaces).
    static std::string Argument(int index) {
        std::string line = ::GetCommandLineA();
        size_t position = 0;
        if (!line.empty() && line[0] == '"')
            position = line.find('"', 1) + 1;
        else
            position = line.find(' ');
        for (int i = 0; i < index && position != std::string::npos; ++i) {
            position = line.find_first_not_of(' ', position);
            if (position == std::string::npos)
                return std::string();
            if (i + 1 == index)
                return line.substr(position, line.find(' ', position) - position);
            position = line.find(' ', position);
        }
        return std::string();
    }
};

CInstallRunnerApp theApp;

} // namespace
