// Exit codes and output helpers shared by every robot command.
// Keeps the stdout/stderr split and the error message format identical across commands.
#include "report.h"

#include <cstdio>

void print_line(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int report(int code, const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "robot: %s\n", message.c_str());
    return code;
}

int usage(const std::string& message) {
    return report(kUsage, message + " (run \"robot help\" for usage)");
}

int win32_error(const char* call) {
    return win32_error_code(call, GetLastError());
}

int win32_error_code(const char* call, DWORD code) {
    char text[512] = "";
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = FormatMessageA(flags, nullptr, code, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.')) {
        text[--length] = '\0';
    }
    std::string message = std::string(call) + " failed: error " + std::to_string(code);
    if (length > 0) {
        message += std::string(" (") + text + ")";
    }
    return report(kFailed, message);
}

std::string hex(unsigned long value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

std::string hwnd_text(HWND hwnd) {
    return hex(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(hwnd)));
}
