// Stands in for the hardware behind the port driver's request handling: answers a set byte and
// records what it was asked. Shared by the driver's unit tests and its fuzzer.
#pragma once

#include <cstdint>

struct FakePort {
    uint8_t answer = 0;
    int calls = 0;
    uint16_t port = 0;
};

inline uint8_t ReadFakePort(uint16_t port, void* context) {
    auto* fake = static_cast<FakePort*>(context);
    ++fake->calls;
    fake->port = port;
    return fake->answer;
}

// What an output byte holds when the handler must not have written it.
constexpr uint8_t kUntouched = 0xEE;
