// Every status byte the decode must tell apart, including the ignored acknowledge and low bits.
#include "monitor/port/parallel_decode.h"

#include <gtest/gtest.h>

using namespace monitor;

TEST(ParallelDecode, StatusBytes) {
    struct Case {
        uint8_t byte;
        int status;
    } const cases[] = {
        {0x78, kParallelNoLink},       {0x7F, kParallelNoLink},  {0x80, kParallelNoLink},
        {0x87, kParallelNoLink},       {0x98, kParallelReady},   {0xD8, kParallelReady},
        {0xDF, kParallelReady},        {0x20, kParallelPaperOut}, {0x60, kParallelPaperOut},
        {0x08, kParallelOffLine},      {0x48, kParallelOffLine},  {0x00, kParallelUndetermined},
        {0xF8, kParallelUndetermined}, {0x90, kParallelUndetermined}, {0x18, kParallelUndetermined},
        {0x79, kParallelNoLink}, // a failed driver read on port 0x378 leaves the address's low byte
        {0xBD, kParallelUndetermined}, // ... and on port 0x3BC
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeParallelStatus(c.byte), c.status) << std::hex << int(c.byte);
}

TEST(ParallelDecode, OnlyTheFourLinesMatter) {
    // Acknowledge (0x40) and bits 2..0 never change the answer.
    for (int byte = 0; byte < 256; ++byte) {
        const uint8_t relevant = static_cast<uint8_t>(byte & 0xB8);
        EXPECT_EQ(DecodeParallelStatus(static_cast<uint8_t>(byte)), DecodeParallelStatus(relevant)) << byte;
    }
}
