// Win32 calls behind InstallerSystem. Lists the shell and the spooler want double-NUL terminated are
// built as strings with their terminators; every COM pointer and registry key is owned.
#include "installer_system_win32.h"

#include <objbase.h>
#include <setupapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "framework/com_ptr.h"

#include "driver_directory_win32.h"
#include "framework/message_box.h"
#include "installer.h"

namespace setup {

namespace {
constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr DWORD kProgramsBufferSize = 91;
constexpr int kWidePathSize = MAX_PATH;

// The text and a second terminator: the shell's and the spooler's list form of one or more strings.
std::string DoubleNulList(const std::vector<std::string>& items) {
    std::string list;
    for (const std::string& item : items) {
        list += item;
        list.push_back('\0');
    }
    list.push_back('\0');
    return list;
}

bool SetStringValue(HKEY key, const std::string& name, const std::string& data) {
    return ::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

char* Text(std::string& value) { return value.empty() ? nullptr : &value[0]; }
} // namespace

void InstallerSystemWin32::ShowWaitCursor(bool show) {
    if (show) {
        if (m_waitDepth++ == 0)
            m_previousCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    } else if (m_waitDepth > 0 && --m_waitDepth == 0) {
        ::SetCursor(m_previousCursor);
    }
}

bool InstallerSystemWin32::GetDriverDirectory(std::string& directory) {
    std::unique_ptr<char[]> buffer;
    if (!QueryDriverDirectory(buffer))
        return false;
    directory = buffer.get();
    return true;
}

bool InstallerSystemWin32::AddPrinterDriver(const DriverRecord& driver) {
    DriverRecord copy = driver; // the spooler takes non-const strings
    std::string dependent = DoubleNulList(driver.dependentFiles);
    DRIVER_INFO_6A info = {};
    info.cVersion = copy.version;
    info.pName = Text(copy.name);
    info.pEnvironment = nullptr;
    info.pDriverPath = Text(copy.driverPath);
    info.pDataFile = Text(copy.dataFile);
    info.pConfigFile = Text(copy.configFile);
    info.pHelpFile = Text(copy.helpFile);
    info.pDependentFiles = &dependent[0];
    info.ftDriverDate.dwHighDateTime = static_cast<DWORD>(copy.driverDate >> 32);
    info.ftDriverDate.dwLowDateTime = static_cast<DWORD>(copy.driverDate);
    info.dwlDriverVersion = copy.driverVersion;
    info.pszMfgName = Text(copy.manufacturer);
    info.pszOEMUrl = Text(copy.oemUrl);
    info.pszHardwareID = Text(copy.hardwareId);
    info.pszProvider = Text(copy.provider);
    return ::AddPrinterDriverA(nullptr, 6, reinterpret_cast<BYTE*>(&info)) != FALSE;
}

uint32_t InstallerSystemWin32::AddPrinter(const PrinterRecord& printer) {
    PrinterRecord copy = printer;
    PRINTER_INFO_2A info = {};
    info.pPrinterName = Text(copy.name);
    info.pShareName = Text(copy.shareName);
    info.pPortName = Text(copy.port);
    info.pDriverName = Text(copy.driverName);
    info.pPrintProcessor = Text(copy.printProcessor);
    info.Attributes = copy.attributes;
    info.Priority = copy.priority;
    fw::PrinterHandle added(::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info)));
    return added ? 0 : ::GetLastError();
}

void InstallerSystemWin32::SetDefaultPrinter(const std::string& name) { ::SetDefaultPrinterA(name.c_str()); }

void InstallerSystemWin32::Wait(uint32_t milliseconds) { ::Sleep(milliseconds); }

uint32_t InstallerSystemWin32::CopyOemInf(const std::string& infPath) {
    char oemInfName[MAX_PATH] = {};
    if (::SetupCopyOEMInfA(infPath.c_str(), nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, oemInfName, MAX_PATH,
                           nullptr, nullptr))
        return 0;
    return ::GetLastError();
}

uint32_t InstallerSystemWin32::CreateFolderWithParents(const std::string& path) {
    wchar_t wide[kWidePathSize] = {};
    if (::MultiByteToWideChar(CP_THREAD_ACP, 0, path.c_str(), -1, wide, kWidePathSize) == 0)
        return ERROR_FILENAME_EXCED_RANGE;
    return static_cast<uint32_t>(::SHCreateDirectoryExW(nullptr, wide, nullptr));
}

uint32_t InstallerSystemWin32::CopyFileIntoFolder(const std::string& source, const std::string& folder) {
    std::string from = DoubleNulList({source});
    std::string to = DoubleNulList({folder});
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    return static_cast<uint32_t>(::SHFileOperationA(&operation));
}

bool InstallerSystemWin32::SetRunValue(const std::string& name, const std::string& data) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, layout::kRunKey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    fw::RegKey key(opened);
    return SetStringValue(key.Get(), name, data);
}

std::optional<std::string> InstallerSystemWin32::ReadProgramsFolder() {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    fw::RegKey key(opened);
    char buffer[kProgramsBufferSize] = {};
    DWORD size = sizeof(buffer) - 1; // room for a terminator the registry may not have stored
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), "Programs", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::string(buffer);
}

std::string InstallerSystemWin32::WindowsDirectory() {
    char buffer[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

void InstallerSystemWin32::CreateFolder(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

void InstallerSystemWin32::CreateShortcut(const std::string& linkFile, const std::string& target,
                                          const std::string& description) {
    ::CoInitialize(nullptr);
    fw::ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.PutVoid())))
        return;
    fw::ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid())))
        return;
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    wchar_t widePath[kWidePathSize] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, widePath, kWidePathSize) == 0)
        return;
    file->Save(widePath, TRUE);
}

bool InstallerSystemWin32::OpenUninstallKey() {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, layout::kUninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    m_uninstallKey.Reset(opened);
    return true;
}

bool InstallerSystemWin32::SetUninstallValue(const std::string& name, const std::string& data) {
    return m_uninstallKey && SetStringValue(m_uninstallKey.Get(), name, data);
}

void InstallerSystemWin32::StartProgram(const std::string& path) {
    ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_MINIMIZE);
}

void InstallerSystemWin32::ShowMessage(const std::string& text, uint32_t type) {
    ShowMessageBox(nullptr, text, kSetupCaption, MB_OK | type);
}

} // namespace setup
