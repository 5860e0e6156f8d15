// Exit codes and output helpers shared by every robot command.
// Values go to stdout one per line, diagnostics to stderr, so scripts can capture values cleanly.
#pragma once

#include <windows.h>

#include <string>

enum ExitCode { kDone = 0, kFalse = 1, kUsage = 2, kTimedOut = 3, kFailed = 4 };

// Writes the bytes unchanged plus a bare "\n": callers compare exact code-page bytes.
void print_line(const std::string& text);
// Prints "robot: message" to stderr and returns `code`, so commands can `return report(...)`.
int report(int code, const std::string& message);
int usage(const std::string& message);
// Reports a failed Win32 call with the thread's last error; read it before anything else runs.
int win32_error(const char* call);
int win32_error_code(const char* call, DWORD code);

std::string hex(unsigned long value, int digits = 8);
std::string hwnd_text(HWND hwnd);
