// Spooler calls of the uninstaller, with the two-call buffer pattern of the enumeration.
// Printer handles are owned (fw::PrinterHandle), so every early return closes them.
#include "spooler_win32.h"

#include "framework/handles.h"

#include <windows.h>
#include <winspool.h>

namespace uninstall::spooler {

namespace {
constexpr DWORD kNamesLevel = 4; // PRINTER_INFO_4A: names and attributes only
}

uint32_t LocalPrinterNames(std::vector<std::string>& names) {
    names.clear();
    DWORD needed = 0;
    DWORD count = 0;
    if (::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, kNamesLevel, nullptr, 0, &needed, &count))
        return 0; // no printers at all
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return ::GetLastError();
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, kNamesLevel, buffer.data(), needed, &needed, &count))
        return ::GetLastError();
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (printers[i].pPrinterName)
            names.emplace_back(printers[i].pPrinterName);
    }
    return 0;
}

uint32_t DeletePrinterNamed(const std::string& name) {
    std::string writable = name;
    PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE opened = nullptr;
    if (!::OpenPrinterA(&writable[0], &opened, &defaults))
        return ::GetLastError();
    fw::PrinterHandle printer(opened);
    return ::DeletePrinter(printer.Get()) ? 0 : ::GetLastError();
}

uint32_t DeleteDriverNamed(const std::string& name) {
    std::string writable = name;
    return ::DeletePrinterDriverA(nullptr, nullptr, &writable[0]) ? 0 : ::GetLastError();
}

std::optional<std::string> DriverDirectory() {
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                      sizeof directory, &needed))
        return std::nullopt;
    return std::string(directory);
}

} // namespace uninstall::spooler
