// Printer queries of the install client. Device modes are printed as "paper quality x yres orientation
// copies source" so that a scenario compares one line.
#include "printer_queries_win32.h"

#include "step_report.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace client {

namespace {

std::string Describe(const DEVMODEA* devmode) {
    if (!devmode)
        return "none";
    return std::to_string(devmode->dmPaperSize) + " " + std::to_string(devmode->dmPrintQuality) + "x" +
           std::to_string(devmode->dmYResolution) + " " + std::to_string(devmode->dmOrientation) + " " +
           std::to_string(devmode->dmCopies) + " " + std::to_string(devmode->dmDefaultSource);
}

const char* OrEmpty(const char* text) {
    return text ? text : "";
}

// The numbers DeviceCapabilities lists for a WORD or LONG-pair capability, space separated.
template <typename Item> std::string ListOf(const std::string& name, WORD capability, int width) {
    const int count = ::DeviceCapabilitiesA(name.c_str(), nullptr, capability, nullptr, nullptr);
    if (count <= 0)
        return "error " + std::to_string(count);
    std::vector<Item> items(static_cast<size_t>(count * width));
    ::DeviceCapabilitiesA(name.c_str(), nullptr, capability, reinterpret_cast<char*>(items.data()), nullptr);
    std::string text;
    for (size_t i = 0; i < items.size(); i += width) {
        text += (text.empty() ? "" : " ") + std::to_string(items[i]);
        if (width == 2)
            text += "x" + std::to_string(items[i + 1]);
    }
    return text;
}

} // namespace

int PrinterRecord(const std::string& name) {
    std::string writable = name;
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(&writable[0], &printer, nullptr))
        return ReportResult("open-printer", false, ::GetLastError(), name) ? 0 : 1;
    DWORD needed = 0;
    ::GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed ? needed : 1);
    const BOOL ok = ::GetPrinterA(printer, 2, buffer.data(), needed, &needed);
    const DWORD error = ::GetLastError();
    ::ClosePrinter(printer);
    if (!ReportResult("get-printer", ok, error, name))
        return 1;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    Report("name", OrEmpty(info->pPrinterName));
    Report("share", OrEmpty(info->pShareName));
    Report("port", OrEmpty(info->pPortName));
    Report("driver", OrEmpty(info->pDriverName));
    Report("processor", OrEmpty(info->pPrintProcessor));
    Report("datatype", OrEmpty(info->pDatatype));
    Report("attributes", std::to_string(info->Attributes));
    Report("devmode", Describe(info->pDevMode));
    return 0;
}

int Capabilities(const std::string& name) {
    Report("papers", ListOf<WORD>(name, DC_PAPERS, 1));
    Report("bins", ListOf<WORD>(name, DC_BINS, 1));
    Report("resolutions", ListOf<LONG>(name, DC_ENUMRESOLUTIONS, 2));
    Report("copies",
           std::to_string(::DeviceCapabilitiesA(name.c_str(), nullptr, DC_COPIES, nullptr, nullptr)));
    Report("duplex",
           std::to_string(::DeviceCapabilitiesA(name.c_str(), nullptr, DC_DUPLEX, nullptr, nullptr)));
    Report("truetype",
           std::to_string(::DeviceCapabilitiesA(name.c_str(), nullptr, DC_TRUETYPE, nullptr, nullptr)));
    return 0;
}

int ChosenDevmode(const std::string& name, short paper, short quality, short yResolution) {
    std::string writable = name;
    const LONG size = ::DocumentPropertiesA(nullptr, nullptr, &writable[0], nullptr, nullptr, 0);
    if (size <= 0)
        return ReportResult("devmode-size", false, static_cast<uint32_t>(size)) ? 0 : 1;
    Report("devmode-size", std::to_string(size));
    std::vector<BYTE> buffer(static_cast<size_t>(size));
    auto* devmode = reinterpret_cast<DEVMODEA*>(buffer.data());
    if (::DocumentPropertiesA(nullptr, nullptr, &writable[0], devmode, nullptr, DM_OUT_BUFFER) < 0)
        return ReportResult("devmode-default", false, ::GetLastError()) ? 0 : 1;
    Report("devmode-default", Describe(devmode));
    devmode->dmFields = DM_PAPERSIZE | DM_PRINTQUALITY | DM_YRESOLUTION;
    devmode->dmPaperSize = paper;
    devmode->dmPrintQuality = quality;
    devmode->dmYResolution = yResolution;
    // One buffer as input and output, as applications commonly pass it.
    if (::DocumentPropertiesA(nullptr, nullptr, &writable[0], devmode, devmode,
                              DM_IN_BUFFER | DM_OUT_BUFFER) < 0)
        return ReportResult("devmode-chosen", false, ::GetLastError()) ? 0 : 1;
    Report("devmode-chosen", Describe(devmode));
    return 0;
}

} // namespace client
