// Spooler calls behind the buffer pattern. Job records are only read within the buffer the spooler was
// given, so a queue that grows between two calls gives "no information" for that tick, never an overrun.
#include "spooler_win32.h"

namespace monitor {

namespace {
constexpr DWORD kLevelPrinterInfo2 = 2;
constexpr DWORD kLevelPrinterInfo5 = 5;
constexpr DWORD kLevelJobInfo2 = 2;

auto GetPrinterCall(HANDLE printer, DWORD level) {
    return [printer, level](BYTE* bytes, DWORD size, DWORD* needed) {
        return ::GetPrinterA(printer, level, bytes, size, needed);
    };
}
} // namespace

fw::PrinterHandle OpenPrinterAllAccess(const std::string& printerName) {
    PRINTER_DEFAULTSA defaults = {};
    defaults.pDatatype = nullptr;
    defaults.pDevMode = nullptr;
    defaults.DesiredAccess = PRINTER_ALL_ACCESS;
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(printerName.c_str()), &printer, &defaults))
        return fw::PrinterHandle();
    return fw::PrinterHandle(printer);
}

PortRead ReadPrinterPortName(HANDLE printer, std::string& portName) {
    fw::SpoolerBuffer buffer;
    switch (fw::QuerySpooler(GetPrinterCall(printer, kLevelPrinterInfo5), buffer, fw::SpoolerTraces::On,
                             fw::FirstCall::Scratch)) {
    case fw::SpoolerResult::Filled:
        break;
    case fw::SpoolerResult::SecondFailed:
        return PortRead::Failed;
    default:
        return PortRead::NotAsked;
    }
    if (buffer.size < sizeof(PRINTER_INFO_5A))
        return PortRead::Failed;
    const auto* info = reinterpret_cast<const PRINTER_INFO_5A*>(buffer.bytes.get());
    portName = info->pPortName ? info->pPortName : "";
    return PortRead::Read;
}

bool QueryPrinterSnapshot(HANDLE printer, TickBuffers& buffers, PrinterSnapshot& snapshot) {
    fw::SpoolerBuffer& printerInfo = buffers.printerInfo;
    if (!fw::QuerySpoolerReusing(GetPrinterCall(printer, kLevelPrinterInfo2), printerInfo) ||
        printerInfo.size < sizeof(PRINTER_INFO_2A))
        return false;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(printerInfo.bytes.get());
    snapshot.portName = info->pPortName ? info->pPortName : "";
    snapshot.status = info->Status;
    snapshot.jobCount = info->cJobs;
    return true;
}

bool QueryJobStatuses(HANDLE printer, TickBuffers& buffers, uint32_t jobCount, std::vector<uint32_t>& jobStatuses) {
    jobStatuses.clear();
    if (jobCount == 0)
        return true;
    fw::SpoolerBuffer& jobs = buffers.jobs;
    DWORD returned = 0;
    const auto enumJobs = [&](BYTE* bytes, DWORD size, DWORD* needed) {
        if (bytes)
            ::ZeroMemory(bytes, size);
        return ::EnumJobsA(printer, 0, jobCount, kLevelJobInfo2, bytes, size, needed, &returned);
    };
    if (!fw::QuerySpoolerReusing(enumJobs, jobs))
        return false;
    if (static_cast<uint64_t>(returned) * sizeof(JOB_INFO_2A) > jobs.size)
        return false;
    const auto* records = reinterpret_cast<const JOB_INFO_2A*>(jobs.bytes.get());
    for (DWORD i = 0; i < returned; ++i)
        jobStatuses.push_back(records[i].Status);
    return true;
}

} // namespace monitor
