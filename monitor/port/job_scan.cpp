// The job walk.
// A fault on the queue hides the jobs: the queue's own state is what the user must fix first.
#include "job_scan.h"

namespace monitor {

int32_t PickJobStatus(uint32_t queueStatus, const std::vector<uint32_t>& jobStatuses) {
    if (queueStatus & kQueueFaultMask)
        return kNoJob;
    int32_t picked = kNoJob;
    for (uint32_t status : jobStatuses) {
        if (!(status & kJobStatusPrinting))
            continue;
        picked = static_cast<int32_t>(status);
        if (status & kJobFaultMask)
            break;
    }
    return picked;
}

} // namespace monitor
