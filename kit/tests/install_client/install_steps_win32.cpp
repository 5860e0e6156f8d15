// The installation calls with the parameters the setup program passes (DRIVER_INFO_6A, PRINTER_INFO_2A
// without a data type, SPOST_PATH with SP_COPY_NOOVERWRITE, ...), each reported by step_report.
#include "install_steps_win32.h"

#include "catalogue/model_catalogue.h"
#include "model_index.h"
#include "step_report.h"

#include <windows.h>
#include <objbase.h>
#include <setupapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <winspool.h>

#include <vector>

namespace client {

namespace {

constexpr char kMaker[] = "QRV Electronics";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV Electronics";
constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kShortcutFolderTail[] =
    ":\\Documents and Settings\\All Users\\Start Menu\\Programs\\QRV Electronics";
constexpr DWORD kPrinterAttributes = 0x204;
constexpr ULONGLONG kDriverDate = 0x01C9ED4C39D00000ull;
constexpr DWORDLONG kDriverVersion = 0x0005000000000006ull;

std::string Text(const char* const column[]) {
    return column[ModelIndex];
}

// Strings the spooler's structures want writable.
std::vector<char> Writable(const std::string& text) {
    return std::vector<char>(text.begin(), text.end() + 1);
}

template <typename Interface> class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (m_pointer)
            m_pointer->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    Interface** Out() { return &m_pointer; }
    Interface* operator->() const { return m_pointer; }

private:
    Interface* m_pointer = nullptr;
};

std::string DriverDirectory() {
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    const BOOL ok = ::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                                 sizeof directory, &needed);
    ReportResult("driver-directory", ok, ::GetLastError(), directory);
    return ok ? directory : "";
}

bool Stage(const std::string& kitFolder, const std::string& directory) {
    if (!::SetCurrentDirectoryA(kitFolder.c_str()))
        return ReportResult("stage", false, ::GetLastError());
    static const char kPatterns[] = "*.GPD\0*.DLL\0*.INF\0*.HLP\0*.CAT\0*.EXE\0";
    std::string target = directory;
    target.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = kPatterns;
    operation.pTo = target.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
    const int result = ::SHFileOperationA(&operation);
    return ReportResult("stage", result == 0, static_cast<uint32_t>(result));
}

bool AddDriver() {
    std::vector<char> name = Writable(Text(catalogue::DisplayName));
    std::vector<char> gpd = Writable(Text(catalogue::GpdFileName));
    std::vector<char> hardwareId = Writable(Text(catalogue::HardwareId));
    char driver[] = "unidrv.dll", config[] = "unidrvui.dll", help[] = "unidrv.hlp";
    char dependents[] = "QRVE9pin.dll\0unidrvui.dll\0unidrv.dll\0unidrv.hlp\0unires.dll\0stdnames.gpd\0";
    char maker[sizeof kMaker], url[] = "http://www.qrv-electronics.example/";
    ::lstrcpyA(maker, kMaker);
    DRIVER_INFO_6A info{};
    info.cVersion = 3;
    info.pName = name.data();
    info.pDriverPath = driver;
    info.pDataFile = gpd.data();
    info.pConfigFile = config;
    info.pHelpFile = help;
    info.pDependentFiles = dependents;
    info.ftDriverDate.dwLowDateTime = static_cast<DWORD>(kDriverDate);
    info.ftDriverDate.dwHighDateTime = static_cast<DWORD>(kDriverDate >> 32);
    info.dwlDriverVersion = kDriverVersion;
    info.pszMfgName = maker;
    info.pszOEMUrl = url;
    info.pszHardwareID = hardwareId.data();
    info.pszProvider = maker;
    const BOOL ok = ::AddPrinterDriverA(nullptr, 6, reinterpret_cast<BYTE*>(&info));
    return ReportResult("add-driver", ok, ::GetLastError());
}

bool SetDefault(const std::string& name) {
    return ReportResult("set-default", ::SetDefaultPrinterA(name.c_str()), ::GetLastError());
}

bool CopyMonitor(const std::string& kitFolder, const std::string& directory) {
    const std::string id = Text(catalogue::ModelId);
    const std::string folder = directory + "\\STM";
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return ReportResult("copy-monitor", false, ::GetLastError());
    const std::string source = kitFolder + "\\STM\\" + id + ".exe";
    const BOOL ok = ::CopyFileA(source.c_str(), (folder + "\\" + id + ".exe").c_str(), FALSE);
    return ReportResult("copy-monitor", ok, ::GetLastError());
}

bool SetHklmValue(const char* step, const char* path, bool create, const std::string& name,
                  const std::string& data) {
    HKEY key = nullptr;
    LONG status = create ? ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr)
                         : ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_SET_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        status = ::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>(data.size() + 1));
        ::RegCloseKey(key);
    }
    return ReportResult(step, status == ERROR_SUCCESS, static_cast<uint32_t>(status), name);
}

// As the setup program chooses it: the drive of the user's Programs folder, else that of Windows.
std::string ShortcutDrive() {
    char programs[MAX_PATH] = {};
    DWORD size = sizeof programs - 1;
    if (::RegGetValueA(HKEY_CURRENT_USER, kShellFoldersKey, "Programs", RRF_RT_REG_SZ, nullptr, programs,
                       &size) == ERROR_SUCCESS &&
        programs[0])
        return std::string(1, programs[0]);
    char windows[MAX_PATH] = {};
    return ::GetWindowsDirectoryA(windows, MAX_PATH) ? std::string(1, windows[0]) : "C";
}

bool CreateShortcut(const std::string& target) {
    const std::string folder = ShortcutDrive() + kShortcutFolderTail;
    ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    const std::string file = folder + "\\StatusMonitor" + Text(catalogue::ModelId) + ".LNK";
    ComPointer<IShellLinkA> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        reinterpret_cast<void**>(link.Out()));
    ComPointer<IPersistFile> persist;
    if (SUCCEEDED(result)) {
        link->SetPath(target.c_str());
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persist.Out()));
    }
    if (SUCCEEDED(result)) {
        std::vector<WCHAR> wide(file.size() + 1);
        ::MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        result = persist->Save(wide.data(), TRUE);
    }
    return ReportResult("shortcut", SUCCEEDED(result), static_cast<uint32_t>(result), file);
}

bool StartMonitor(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_MINIMIZE));
    return ReportResult("start-monitor", result > 32, static_cast<uint32_t>(result));
}

} // namespace

int AddPrinterNamed(const std::string& name, const std::string& port) {
    std::vector<char> printerName = Writable(name);
    std::vector<char> share = Writable(Text(catalogue::ShareName));
    std::vector<char> portName = Writable(port);
    std::vector<char> driver = Writable(Text(catalogue::DisplayName));
    char processor[] = "winprint";
    PRINTER_INFO_2A info{};
    info.pPrinterName = printerName.data();
    info.pShareName = share.data();
    info.pPortName = portName.data();
    info.pDriverName = driver.data();
    info.pPrintProcessor = processor;
    info.Attributes = kPrinterAttributes;
    info.Priority = 1;
    HANDLE printer = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    const DWORD error = ::GetLastError();
    if (printer)
        ::ClosePrinter(printer);
    return ReportResult("add-printer", printer != nullptr, error, name) ? 0 : 1;
}

int CopyInf() {
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    ::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), sizeof directory,
                                 &needed);
    const std::string inf = std::string(directory) + "\\" + Text(catalogue::InfFileName);
    char copied[MAX_PATH] = {};
    const BOOL ok = ::SetupCopyOEMInfA(inf.c_str(), nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, copied,
                                       sizeof copied, nullptr, nullptr);
    const DWORD error = ok ? 0 : ::GetLastError();
    ReportResult("copy-inf", ok, error, copied);
    return static_cast<int>(error);
}

int Install(const std::string& kitFolder, const std::string& port) {
    const std::string directory = DriverDirectory();
    if (directory.empty())
        return 1;
    const std::string name = Text(catalogue::DisplayName);
    const std::string id = Text(catalogue::ModelId);
    const std::string monitor = directory + "\\STM\\" + id + ".exe";
    const std::string uninstaller = directory + "\\Uninstall.exe";
    ::CoInitialize(nullptr);
    int failures = 0;
    failures += !Stage(kitFolder, directory);
    failures += !AddDriver();
    failures += AddPrinterNamed(name, port);
    failures += !SetDefault(name);
    // The setup program takes "already in the INF store" for success, as on a second installation.
    const int infError = CopyInf();
    failures += infError != 0 && infError != ERROR_FILE_EXISTS;
    failures += !CopyMonitor(kitFolder, directory);
    failures += !SetHklmValue("run-value", kRunKey, false, "QRVE" + id, directory + "\\STM\\" + id);
    failures += !CreateShortcut(monitor);
    failures += !SetHklmValue("uninstall-entry", kUninstallKey, true, "DisplayName",
                              "QRV Electronics Printer Software");
    failures += !SetHklmValue("uninstall-entry", kUninstallKey, true, "UninstallString", uninstaller);
    failures += !SetHklmValue("uninstall-entry", kUninstallKey, true, "DisplayIcon", uninstaller);
    failures += !StartMonitor(monitor);
    ::CoUninitialize();
    return failures;
}

} // namespace client
