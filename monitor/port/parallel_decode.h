// Decoding the parallel port's status register into the monitor's small ParallelStatus code.
// Only the inverted BUSY (0x80), paper end (0x20), selected (0x10) and inverted ERROR (0x08) lines count.
#pragma once

#include <cstdint>

namespace monitor {

enum ParallelStatusCode : int {
    kParallelUndetermined = -1,
    kParallelNoLink = 1,
    kParallelReady = 2,
    kParallelPaperOut = 3,
    kParallelOffLine = 4,
};

int DecodeParallelStatus(uint8_t statusRegister);

} // namespace monitor
