// Entry point of Uninstall.exe: removes the kit's model (catalogue row ModelIndex) after asking, or
// without any box when started with /quiet. The exit code tells scripts how it went.
#include "catalogue/model_catalogue.h"
#include "model_index.h"
#include "removal_names.h"
#include "uninstall_system_win32.h"
#include "uninstaller.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    uninstall::CUninstallSystemWin32 system;
    uninstall::ModelNames model{catalogue::DisplayName[ModelIndex], catalogue::ModelId[ModelIndex]};
    uninstall::CUninstaller uninstaller(system, model, uninstall::IsQuiet(commandLine ? commandLine : ""));
    return uninstaller.Run();
}
