// Deriving the job status the state machine sees from the printer's status word and its jobs.
// Both keep the spooler's whole status words; -1 means no printing job (or no job information).
#pragma once

#include <cstdint>
#include <vector>

namespace monitor {

// Paused, error, paper jam/out/problem, offline, bin full, not available, no toner, no memory, door open.
constexpr uint32_t kQueueFaultMask = 0x006418DB;
// Error, paper out, blocked.
constexpr uint32_t kJobFaultMask = 0x242;
constexpr uint32_t kJobStatusPrinting = 0x10;
constexpr int32_t kNoJob = -1;

// The first printing job with a fault bit, else the last printing job in queue order, else -1;
// always -1 while the queue itself reports a fault.
int32_t PickJobStatus(uint32_t queueStatus, const std::vector<uint32_t>& jobStatuses);

} // namespace monitor
