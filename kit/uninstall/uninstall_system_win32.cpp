// Registry, file and message-box calls of the uninstaller; keys are owned (fw::RegKey).
// Registry functions answer their error themselves; the others leave it in GetLastError.
#include "uninstall_system_win32.h"

#include "framework/handles.h"
#include "monitor_stop_win32.h"
#include "removal_names.h"
#include "spooler_win32.h"

#include <windows.h>

namespace uninstall {

namespace {

constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

uint32_t LastErrorUnless(BOOL ok) {
    return ok ? 0 : ::GetLastError();
}

} // namespace

bool CUninstallSystemWin32::AskYesNo(const std::string& text) {
    return ::MessageBoxA(nullptr, text.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) ==
           IDYES;
}

void CUninstallSystemWin32::ShowMessage(const std::string& text, bool warning) {
    ::MessageBoxA(nullptr, text.c_str(), kCaption, (warning ? MB_ICONWARNING : MB_ICONINFORMATION) | MB_OK);
}

bool CUninstallSystemWin32::EndProgramOfWindow(const std::string& caption, uint32_t command,
                                               uint32_t waitMs) {
    return EndProgramOfWindowWin32(caption, command, waitMs);
}

uint32_t CUninstallSystemWin32::LocalPrinters(std::vector<std::string>& names) {
    return spooler::LocalPrinterNames(names);
}

uint32_t CUninstallSystemWin32::RemovePrinter(const std::string& name) {
    return spooler::DeletePrinterNamed(name);
}

uint32_t CUninstallSystemWin32::RemovePrinterDriver(const std::string& name) {
    return spooler::DeleteDriverNamed(name);
}

std::optional<std::string> CUninstallSystemWin32::DriverDirectory() {
    return spooler::DriverDirectory();
}

uint32_t CUninstallSystemWin32::RemoveRunValue(const std::string& name) {
    HKEY opened = nullptr;
    LONG status = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &opened);
    if (status != ERROR_SUCCESS)
        return static_cast<uint32_t>(status);
    fw::RegKey key(opened);
    return static_cast<uint32_t>(::RegDeleteValueA(key.Get(), name.c_str()));
}

uint32_t CUninstallSystemWin32::RemoveUninstallKey(const std::string& path) {
    return static_cast<uint32_t>(::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()));
}

uint32_t CUninstallSystemWin32::RemoveFile(const std::string& path) {
    return LastErrorUnless(::DeleteFileA(path.c_str()));
}

uint32_t CUninstallSystemWin32::RemoveEmptyFolder(const std::string& path) {
    return LastErrorUnless(::RemoveDirectoryA(path.c_str()));
}

std::optional<std::string> CUninstallSystemWin32::ProgramsFolder() {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    fw::RegKey key(opened);
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder - 1; // room for a terminator the value may lack
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), "Programs", nullptr, &type, reinterpret_cast<BYTE*>(folder), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    return std::string(folder);
}

std::string CUninstallSystemWin32::WindowsDirectory() {
    char directory[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(directory, sizeof directory);
    return length > 0 && length < sizeof directory ? std::string(directory) : std::string();
}

} // namespace uninstall
