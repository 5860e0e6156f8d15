// GetPrinterDriverDirectoryA through the framework's two-call spooler pattern.
// The first call goes to a small scratch buffer only to learn the size, as the spooler expects.
#include "driver_directory_win32.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "framework/spooler_buffer.h"

namespace setup {

bool QueryDriverDirectory(std::unique_ptr<char[]>& out) {
    out.reset();
    fw::SpoolerBuffer buffer;
    auto query = [](BYTE* bytes, DWORD size, DWORD* needed) {
        return ::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, bytes, size, needed) != FALSE;
    };
    if (fw::QuerySpooler(query, buffer, fw::SpoolerTraces::On, fw::FirstCall::Scratch) !=
        fw::SpoolerResult::Filled)
        return false;
    std::unique_ptr<char[]> directory(new (std::nothrow) char[buffer.size]);
    if (!directory) {
        std::printf("Can't get memory for new data buffer");
        std::fflush(stdout);
        return false;
    }
    std::memcpy(directory.get(), buffer.bytes.get(), buffer.size);
    // The reported size counts the terminator; setting it ourselves keeps a malformed answer in bounds.
    directory[buffer.size - 1] = '\0';
    out = std::move(directory);
    return true;
}

} // namespace setup
