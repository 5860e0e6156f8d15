// The monitor's spooler queries: opening the installed printer, reading its port, and reading its
// status word and jobs once a tick. Thin: every decision is in the logic files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/spooler_buffer.h"

namespace monitor {

fw::PrinterHandle OpenPrinterAllAccess(const std::string& printerName);

enum class PortRead { Read, NotAsked, Failed };
// Level 5 port name, with the buffer pattern's traces on standard output. NotAsked: the size query or
// the allocation failed; Failed: the second call did.
PortRead ReadPrinterPortName(HANDLE printer, std::string& portName);

// Buffers the per-tick queries keep from one tick to the next.
struct TickBuffers {
    fw::SpoolerBuffer portInfo;
    fw::SpoolerBuffer printerInfo;
    fw::SpoolerBuffer jobs;
};

// The port without traces, for the per-tick port check; false when the spooler cannot say.
bool QueryPrinterPortName(HANDLE printer, TickBuffers& buffers, std::string& portName);

// The printer's status word and the status words of its jobs in queue order.
bool GetPrinterAndJobs(HANDLE printer, TickBuffers& buffers, uint32_t& printerStatus,
                       std::vector<uint32_t>& jobStatuses);

} // namespace monitor
