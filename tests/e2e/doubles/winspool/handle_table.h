// The fake printer handles the spooler double gives out: opaque tokens, never dereferenced, so that a
// handle from anywhere else is recognised and refused instead of crashing the program under test.
#pragma once

#include <windows.h>

#include <string>

namespace handle_table {

// A new handle for the printer of this name.
HANDLE open(const std::string& printer_name);
// False for a handle that is not open; otherwise the printer name it was opened with.
bool find(HANDLE handle, std::string& printer_name);
// False for a handle that is not open.
bool close(HANDLE handle);

} // namespace handle_table
