// The spooler's two-call buffer pattern: a first call learns the size, a heap buffer of that size is
// allocated, a second call fills it. Shared by every spooler query of both programs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <memory>
#include <new>

namespace fw {

// A byte buffer the spooler filled, with the size it has.
struct SpoolerBuffer {
    std::unique_ptr<BYTE[]> bytes;
    DWORD size = 0;
};

enum class SpoolerTraces { Off, On };
enum class FirstCall { NoBuffer, Scratch };

enum class SpoolerResult {
    Filled,
    NothingToReturn, // the first call succeeded: an empty list, or a record that fit the scratch buffer
    SizeUnknown,  // the first call failed with anything but ERROR_INSUFFICIENT_BUFFER
    OutOfMemory,
    SecondFailed, // the data changed or went away between the calls
};

// query(buffer, size, &needed) is the spooler call; it answers TRUE on success.
template <typename Query>
SpoolerResult QuerySpooler(Query query, SpoolerBuffer& out, SpoolerTraces traces,
                           FirstCall first = FirstCall::NoBuffer) {
    BYTE scratch[10];
    DWORD needed = 0;
    BYTE* probe = first == FirstCall::Scratch ? scratch : nullptr;
    DWORD probeSize = first == FirstCall::Scratch ? sizeof(scratch) : 0;
    if (query(probe, probeSize, &needed))
        return SpoolerResult::NothingToReturn;
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0)
        return SpoolerResult::SizeUnknown;
    if (traces == SpoolerTraces::On) {
        std::printf("Allocating a buffer of size %d", static_cast<int>(needed));
        std::fflush(stdout);
    }
    out.bytes.reset(new (std::nothrow) BYTE[needed]);
    if (!out.bytes) {
        if (traces == SpoolerTraces::On) {
            std::printf("Can't get memory for new data buffer");
            std::fflush(stdout);
        }
        return SpoolerResult::OutOfMemory;
    }
    out.size = needed;
    DWORD filled = 0;
    if (!query(out.bytes.get(), out.size, &filled)) {
        out.bytes.reset();
        out.size = 0;
        return SpoolerResult::SecondFailed;
    }
    return SpoolerResult::Filled;
}

// The per-tick form: the buffer kept from the last call is tried first, so that a queue that did not
// grow costs one call instead of two. Falls back to the two-call pattern (without traces).
template <typename Query>
bool QuerySpoolerReusing(Query query, SpoolerBuffer& kept) {
    if (kept.size > 0) {
        DWORD needed = 0;
        if (query(kept.bytes.get(), kept.size, &needed))
            return true;
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return false;
    }
    return QuerySpooler(query, kept, SpoolerTraces::Off) == SpoolerResult::Filled;
}

} // namespace fw
