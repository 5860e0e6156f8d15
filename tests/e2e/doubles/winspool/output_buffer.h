// The caller's buffer of GetPrinterA and EnumJobsA: fixed records at the front and the strings they
// point to after them, sized by the usual two-call pattern.
#pragma once

#include <windows.h>

#include <string>

namespace output_buffer {

// Bytes a string takes in the buffer, its terminator included.
DWORD text_bytes(const std::string& text);

// Tells the caller the whole size; false (ERROR_INSUFFICIENT_BUFFER) when its buffer cannot hold it.
bool holds(const BYTE* buffer, DWORD size, DWORD needed, DWORD* pcbNeeded);

// Hands out copies of strings from the part of the buffer after the records, one after another.
class StringArea {
public:
    explicit StringArea(BYTE* start) : next_(reinterpret_cast<char*>(start)) {}
    char* put(const std::string& text);

private:
    char* next_;
};

} // namespace output_buffer
