// Command-line options of the robot: "--name value" pairs and a few bare flags.
// Unknown options are rejected so a typo in a test script fails loudly instead of being ignored.
#include "args.h"

#include "poll.h"
#include "report.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kValueOptions[] = {
    "--caption", "--class",    "--pid",    "--hwnd",   "--id",      "--timeout", "--cmd",     "--vk",
    "--msg",     "--wparam",   "--lparam", "--event",  "--uid",     "--text",    "--index",   "--point",
    "--name",    "--guid",     "--key",    "--value",  "--type",    "--data",    "--printer", "--port",
    "--driver",  "--datatype", "--exe",    "--ms",     "--out",     "--via",     "--image",   "--start",
    "--address", "--device",   "--code",   "--in-len", "--out-len", "--file",
};
const char* const kFlagOptions[] = {"--all"};

template <size_t N> bool listed(const char* const (&names)[N], const char* name) {
    for (const char* known : names) {
        if (std::strcmp(known, name) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

bool parse_number(const std::string& text, long long& out) {
    const char* start = text.c_str();
    const char* digits = (*start == '-' || *start == '+') ? start + 1 : start;
    // Base 0 would read a leading zero as octal, which nobody writing a test means.
    const bool is_hex = digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
    if (*digits == '\0' || *digits == ' ') {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(start, &end, is_hex ? 16 : 10);
    return errno == 0 && end != start && *end == '\0';
}

bool Args::parse(int argc, char** argv, int first) {
    for (int i = first; i < argc; ++i) {
        const char* name = argv[i];
        if (listed(kFlagOptions, name)) {
            values_[name] = "1";
        } else if (!listed(kValueOptions, name)) {
            usage(std::string("unknown option ") + name);
            return false;
        } else if (i + 1 >= argc) {
            usage(std::string(name) + " needs a value");
            return false;
        } else {
            values_[name] = argv[++i];
        }
    }
    return true;
}

bool Args::has(const char* name) const {
    return values_.count(name) != 0;
}

std::string Args::text(const char* name, const std::string& fallback) const {
    auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

bool Args::number(const char* name, long long& out) const {
    auto found = values_.find(name);
    if (found == values_.end()) {
        return true;
    }
    if (!parse_number(found->second, out)) {
        usage(std::string(name) + " wants a number, not \"" + found->second + "\"");
        return false;
    }
    return true;
}

bool Args::require(const char* name) const {
    if (has(name)) {
        return true;
    }
    usage(std::string("missing ") + name);
    return false;
}

bool Args::timeout(DWORD& ms) const {
    ms = kDefaultTimeoutMs;
    return number_as("--timeout", ms);
}
