// SetupCopyOEMInfA with the setup program's arguments (SPOST_PATH, SP_COPY_NOOVERWRITE) on the INF the
// installation staged in the driver directory.
#include "inf_store_win32.h"

#include "catalogue/model_catalogue.h"
#include "model_index.h"
#include "step_report.h"

#include <windows.h>
#include <setupapi.h>
#include <winspool.h>

#include <string>

namespace client {

int CopyInf() {
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    ::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), sizeof directory,
                                 &needed);
    const std::string inf = std::string(directory) + "\\" + catalogue::InfFileName[ModelIndex];
    char copied[MAX_PATH] = {};
    const BOOL ok = ::SetupCopyOEMInfA(inf.c_str(), nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, copied,
                                       sizeof copied, nullptr, nullptr);
    const DWORD error = ok ? 0 : ::GetLastError();
    ReportResult("copy-inf", ok, error, copied);
    return static_cast<int>(error);
}

} // namespace client
