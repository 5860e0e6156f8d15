// Print spooler commands: list, query, add and remove printers and ports.
// Tests set up printers on chosen ports to check what the programs under test print to.
#include "commands.h"
#include "owners.h"
#include "report.h"

#include <winspool.h>

#include <vector>

namespace {

const char kPortsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
const char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
const char kWinePostScriptDriver[] = "Z:\\usr\\lib\\i386-linux-gnu\\wine\\i386-windows\\wineps.drv";

void close_printer(HANDLE printer) {
    ClosePrinter(printer);
}
using PrinterOwner = Owner<HANDLE, close_printer>;

// The usual two-call pattern: ask for the size, then fill a buffer of that size.
template <typename Call> bool fetch(std::vector<BYTE>& buffer, Call call) {
    DWORD needed = 0;
    if (call(nullptr, 0, &needed)) {
        return true;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return false;
    }
    buffer.assign(needed, 0);
    return call(buffer.data(), needed, &needed) != FALSE;
}

const char* text_or_empty(const char* text) {
    return text ? text : "";
}

int open_printer(const Args& args, DWORD access, PrinterOwner& printer) {
    if (!args.require("--printer")) {
        return kUsage;
    }
    std::string name = args.text("--printer");
    PRINTER_DEFAULTSA defaults{};
    defaults.DesiredAccess = access;
    if (OpenPrinterA(&name[0], printer.out(), &defaults)) {
        return kDone;
    }
    if (GetLastError() == ERROR_INVALID_PRINTER_NAME) {
        return report(kFalse, "no printer " + name);
    }
    return win32_error("OpenPrinter");
}

int set_string_value(HKEY root, const std::string& path, const char* name, const std::string& value) {
    KeyOwner key;
    LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, key.out(), nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
    }
    return status == ERROR_SUCCESS ? kDone : win32_error_code("writing the registry", status);
}

bool printer_exists(std::string name) {
    PrinterOwner printer;
    return OpenPrinterA(&name[0], printer.out(), nullptr) != FALSE;
}

bool key_exists(HKEY root, const std::string& path) {
    KeyOwner key;
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.out()) == ERROR_SUCCESS;
}

// Some Wine setups accept AddPrinter only when the printer's key already exists holding just Datatype.
int prepare_printer_key(const std::string& key, const std::string& datatype, bool& made) {
    made = !key_exists(HKEY_LOCAL_MACHINE, key);
    return made ? set_string_value(HKEY_LOCAL_MACHINE, key, "Datatype", datatype) : kDone;
}

HANDLE add_printer(std::string name, std::string port, std::string driver, std::string datatype) {
    std::string processor = "WinPrint";
    PRINTER_INFO_2A info{};
    info.pPrinterName = &name[0];
    info.pPortName = &port[0];
    info.pDriverName = &driver[0];
    info.pDatatype = &datatype[0];
    info.pPrintProcessor = &processor[0];
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    return AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
}

} // namespace

// "name<TAB>port<TAB>driver" for each local printer.
int cmd_printers(const Args&) {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    bool ok = fetch(buffer, [&count](BYTE* data, DWORD size, DWORD* needed) {
        return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, data, size, needed, &count);
    });
    if (!ok) {
        return win32_error("EnumPrinters");
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        print_line(std::string(text_or_empty(printers[i].pPrinterName)) + "\t" +
                   text_or_empty(printers[i].pPortName) + "\t" + text_or_empty(printers[i].pDriverName));
    }
    return kDone;
}

int cmd_default_printer(const Args&) {
    char name[512] = "";
    DWORD size = sizeof name;
    if (GetDefaultPrinterA(name, &size)) {
        print_line(name);
        return kDone;
    }
    if (GetLastError() == ERROR_FILE_NOT_FOUND) {
        return report(kFalse, "there is no default printer");
    }
    return win32_error("GetDefaultPrinter");
}

int cmd_printer_port(const Args& args) {
    PrinterOwner printer;
    if (int code = open_printer(args, PRINTER_ACCESS_USE, printer)) {
        return code;
    }
    std::vector<BYTE> buffer;
    bool ok = fetch(buffer, [&printer](BYTE* data, DWORD size, DWORD* needed) {
        return GetPrinterA(printer.get(), 5, data, size, needed);
    });
    if (!ok) {
        return win32_error("GetPrinter");
    }
    print_line(text_or_empty(reinterpret_cast<const PRINTER_INFO_5A*>(buffer.data())->pPortName));
    return kDone;
}

int cmd_set_printer_port(const Args& args) {
    PrinterOwner printer;
    if (!args.require("--port")) {
        return kUsage;
    }
    if (int code = open_printer(args, PRINTER_ALL_ACCESS, printer)) {
        return code;
    }
    std::vector<BYTE> buffer;
    bool ok = fetch(buffer, [&printer](BYTE* data, DWORD size, DWORD* needed) {
        return GetPrinterA(printer.get(), 2, data, size, needed);
    });
    if (!ok) {
        return win32_error("GetPrinter");
    }
    std::string port = args.text("--port");
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    info->pPortName = &port[0];
    // Leaving the security descriptor out keeps SetPrinter from trying to rewrite it.
    info->pSecurityDescriptor = nullptr;
    return SetPrinterA(printer.get(), 2, buffer.data(), 0) ? kDone : win32_error("SetPrinter");
}

// "name<TAB>description" for each port.
int cmd_ports(const Args&) {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    bool ok = fetch(buffer, [&count](BYTE* data, DWORD size, DWORD* needed) {
        return EnumPortsA(nullptr, 2, data, size, needed, &count);
    });
    if (!ok) {
        return win32_error("EnumPorts");
    }
    const auto* ports = reinterpret_cast<const PORT_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        print_line(std::string(text_or_empty(ports[i].pPortName)) + "\t" +
                   text_or_empty(ports[i].pDescription));
    }
    return kDone;
}

// The local port monitor lists every value name under the Ports key as a port.
int cmd_add_port(const Args& args) {
    if (!args.require("--port")) {
        return kUsage;
    }
    return set_string_value(HKEY_LOCAL_MACHINE, kPortsKey, args.text("--port").c_str(), "");
}

int cmd_add_printer(const Args& args) {
    if (!args.require("--printer") || !args.require("--port") || !args.require("--driver")) {
        return kUsage;
    }
    const std::string name = args.text("--printer");
    const std::string datatype = args.text("--datatype", "RAW");
    // Wine would quietly re-add an existing printer; Windows refuses, and so do we.
    if (printer_exists(name)) {
        return win32_error_code("AddPrinter", ERROR_PRINTER_ALREADY_EXISTS);
    }
    const std::string key = kPrintersKey + name;
    bool made_key = false;
    if (int code = prepare_printer_key(key, datatype, made_key)) {
        return code;
    }
    PrinterOwner printer(add_printer(name, args.text("--port"), args.text("--driver"), datatype));
    if (!printer) {
        const DWORD error = GetLastError();
        if (made_key) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
        }
        return win32_error_code("AddPrinter", error);
    }
    return kDone;
}

int cmd_del_printer(const Args& args) {
    PrinterOwner printer;
    if (int code = open_printer(args, PRINTER_ALL_ACCESS, printer)) {
        return code;
    }
    return DeletePrinter(printer.get()) ? kDone : win32_error("DeletePrinter");
}

// --name N [--file PATH]: a printer driver whose every file is one existing DLL, copied into the spooler's
// driver folder first, so that printers can be added. The default is Wine's own PostScript driver (as
// Debian installs it): Wine's spooler loads the driver when a printer is added, and a placeholder crashes.
int cmd_add_driver(const Args& args) {
    if (!args.require("--name")) {
        return kUsage;
    }
    std::string name = args.text("--name");
    const std::string source = args.text("--file", kWinePostScriptDriver);
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder,
                                    &needed)) {
        return win32_error("GetPrinterDriverDirectory");
    }
    const size_t slash = source.find_last_of('\\');
    std::string file = source.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string target = std::string(folder) + "\\" + file;
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        return win32_error("CopyFile");
    }
    std::string environment = "Windows NT x86";
    DRIVER_INFO_3A info{};
    info.cVersion = 3;
    info.pName = &name[0];
    info.pEnvironment = &environment[0];
    info.pDriverPath = &file[0];
    info.pDataFile = &file[0];
    info.pConfigFile = &file[0];
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&info))) {
        return win32_error("AddPrinterDriver");
    }
    return kDone;
}
