// Two-call sizing shared by the double's enumerating functions, so that every one of them answers the
// size question the same way real spoolers do.
#include "output_buffer.h"

#include <cstring>

namespace output_buffer {

DWORD text_bytes(const std::string& text) {
    return static_cast<DWORD>(text.size() + 1);
}

bool holds(const BYTE* buffer, DWORD size, DWORD needed, DWORD* pcbNeeded) {
    *pcbNeeded = needed;
    // Nothing to return needs no buffer: an empty queue succeeds even on the first, sizing call.
    if (needed > 0 && (buffer == nullptr || size < needed)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    return true;
}

char* StringArea::put(const std::string& text) {
    char* placed = next_;
    std::memcpy(placed, text.c_str(), text.size() + 1);
    next_ += text.size() + 1;
    return placed;
}

} // namespace output_buffer
