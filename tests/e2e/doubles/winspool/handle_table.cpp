// Open printer handles of the spooler double. Tokens grow from a fixed base and are never reused, so a
// closed handle stays invalid and a leak shows up as a handle that is still in the table.
#include "handle_table.h"

#include "exclusive_lock.h"

#include <cstdint>
#include <map>

namespace handle_table {

namespace {

// Odd-looking values well away from small integers and from where heap pointers usually lie.
const std::uintptr_t kFirstToken = 0x5F500004;
const std::uintptr_t kTokenStep = 4;

SRWLOCK table_lock = SRWLOCK_INIT;
std::uintptr_t next_token = kFirstToken;
std::map<HANDLE, std::string> open_handles;

} // namespace

HANDLE open(const std::string& printer_name) {
    ExclusiveLock hold(table_lock);
    HANDLE handle = reinterpret_cast<HANDLE>(next_token);
    next_token += kTokenStep;
    open_handles[handle] = printer_name;
    return handle;
}

bool find(HANDLE handle, std::string& printer_name) {
    ExclusiveLock hold(table_lock);
    const auto found = open_handles.find(handle);
    if (found == open_handles.end()) {
        return false;
    }
    printer_name = found->second;
    return true;
}

bool close(HANDLE handle) {
    ExclusiveLock hold(table_lock);
    return open_handles.erase(handle) == 1;
}

} // namespace handle_table
