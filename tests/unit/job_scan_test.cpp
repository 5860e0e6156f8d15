// The job walk: which job's status the state machine sees, and that queue faults hide the jobs.
#include "monitor/port/job_scan.h"

#include <gtest/gtest.h>

using monitor::PickJobStatus;

TEST(JobScan, PicksByQueueOrderAndFaults) {
    struct Case {
        uint32_t queue;
        std::vector<uint32_t> jobs;
        int32_t expected;
    } const cases[] = {
        {0, {}, -1},
        {0, {0x10}, 0x10},
        {0, {0x10, 0x12}, 0x12},
        {0, {0x50, 0x10}, 0x50},       // the walk stops at the paper-out job
        {0, {0x30, 0x10}, 0x10},       // 0x30 has no fault bit: the last printing job wins
        {0, {0x08}, -1},               // spooling, not printing
        {0, {0x08, 0x10, 0x08}, 0x10}, // jobs that are not printing are passed over
        {0, {0x210, 0x10}, 0x210},     // blocked
        {0x1, {0x10}, -1},             // paused
        {0x80, {0x10}, -1},            // offline
        {0x400000, {0x10}, -1},        // door open
        {0x4, {0x10}, 0x10},           // pending deletion is no fault
        {0x400, {0x12}, 0x12},         // printing is no fault either
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickJobStatus(c.queue, c.jobs), c.expected) << std::hex << c.queue;
}
