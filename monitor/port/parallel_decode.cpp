// The status register decode table.
// Every line high or every line low means the printer is off or unplugged, not a real answer.
#include "parallel_decode.h"

namespace monitor {

namespace {
constexpr uint8_t kRelevantLines = 0x80 | 0x20 | 0x10 | 0x08;

struct DecodeRow {
    uint8_t lines;
    int status;
};

constexpr DecodeRow kDecodeTable[] = {
    {0x20 | 0x10 | 0x08, kParallelNoLink},
    {0x80, kParallelNoLink},
    {0x80 | 0x10 | 0x08, kParallelReady},
    {0x20, kParallelPaperOut},
    {0x08, kParallelOffLine},
};
} // namespace

int DecodeParallelStatus(uint8_t statusRegister) {
    const uint8_t lines = statusRegister & kRelevantLines;
    for (const DecodeRow& row : kDecodeTable)
        if (row.lines == lines)
            return row.status;
    return kParallelUndetermined;
}

} // namespace monitor
