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
    fw::SpoolerBuffer printerInfo;
    fw::SpoolerBuffer jobs;
};

// What one query of the printer (level 2, without traces) tells a tick: its port for the port check,
// and its status word and job count for the queue status.
struct PrinterSnapshot {
    std::string portName;
    uint32_t status = 0;
    uint32_t jobCount = 0;
};
bool QueryPrinterSnapshot(HANDLE printer, TickBuffers& buffers, PrinterSnapshot& snapshot);

// The status words of the printer's jobs in queue order (none asked for when jobCount is 0).
bool QueryJobStatuses(HANDLE printer, TickBuffers& buffers, uint32_t jobCount, std::vector<uint32_t>& jobStatuses);

} // namespace monitor
