// DrvDocumentPropertySheets of the stand-in configuration DLL (unidrvui.dll). Wine's spooler calls it
// without a check whenever a printer is added, for the size of the device mode and then its defaults.
#include "devmode_win32.h"
#include "printer_features_win32.h"

#include <compstui.h>

namespace {

// The header the spooler passes when it asks without a property sheet; mingw-w64 does not declare it.
struct DocumentPropertyHeader {
    WORD cbSize;
    WORD Reserved;
    HANDLE hPrinter;
    LPCWSTR pszPrinterName;
    PDEVMODEW pdmIn;
    PDEVMODEW pdmOut;
    DWORD cbOut;
    DWORD fMode;
};

constexpr LONG kDone = 1; // CPSUI_OK
constexpr LONG kFailed = -1;

LONG Fail(DWORD error, LONG result) {
    ::SetLastError(error);
    return result;
}

} // namespace

extern "C" LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO sheetInfo, LPARAM lParam) {
    // The stand-in has no pages to show: the common property sheet gets a plain failure.
    if (sheetInfo)
        return Fail(ERROR_NOT_SUPPORTED, 0);
    auto* header = reinterpret_cast<DocumentPropertyHeader*>(lParam);
    if (!header || header->cbSize < sizeof(DocumentPropertyHeader))
        return Fail(ERROR_INVALID_PARAMETER, kFailed);
    if (header->fMode == 0 || !header->pdmOut) {
        header->cbOut = standin::kDevmodeSize;
        return static_cast<LONG>(standin::kDevmodeSize);
    }
    if (!(header->fMode & DM_OUT_BUFFER))
        return kDone;
    // DocumentProperties takes no buffer size: callers allocate what the size query answered, and Wine's
    // ANSI path leaves cbOut unset, so it is not checked here.
    const DEVMODEW* choices = (header->fMode & DM_IN_BUFFER) ? header->pdmIn : nullptr;
    standin::FillDevmode(*header->pdmOut, header->pszPrinterName, choices);
    return kDone;
}
