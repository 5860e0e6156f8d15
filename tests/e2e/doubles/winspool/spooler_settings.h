// What a test script has told the spooler double through HKCU\Software\QrvKitTest\Spooler, read afresh
// on every call so that changes made while the program under test runs are seen at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace spooler_settings {

// The one printer name OpenPrinterA accepts; false when none is set.
bool printer_name(std::string& name);
// The printer's port; empty when none is set.
std::string port();
// The queue status word; 0 when none is set.
DWORD status();
// The number of queued jobs, one per entry of "Jobs".
DWORD job_count();
// One status word per queued job; false when an entry is not a hex word such as "0x10".
bool job_words(std::vector<DWORD>& words);

void record_open_access(DWORD access);
void count_open();
void count_close();

// True (with ERROR_ACCESS_DENIED as the last error) when "FailCall" names this function.
bool call_refused(const char* function);

} // namespace spooler_settings
