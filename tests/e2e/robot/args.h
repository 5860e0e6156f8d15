// Command-line options of the robot: "--name value" pairs and a few bare flags.
// Numbers may be decimal or 0x hex; malformed input is a usage error (exit 2), never a guess.
#pragma once

#include <windows.h>

#include <map>
#include <string>

bool parse_number(const std::string& text, long long& out);

class Args {
public:
    // Reports the problem and returns false on an unknown option or a missing value.
    bool parse(int argc, char** argv, int first);

    bool has(const char* name) const;
    std::string text(const char* name, const std::string& fallback = std::string()) const;
    // Leaves `out` untouched when the option is absent; reports and fails when it is malformed.
    bool number(const char* name, long long& out) const;
    // Reports a usage error naming the option when it is absent.
    bool require(const char* name) const;

    template <typename T> bool number_as(const char* name, T& out) const {
        long long value = static_cast<long long>(out);
        if (!number(name, value)) {
            return false;
        }
        out = static_cast<T>(value);
        return true;
    }

    // --timeout MS, 5000 when absent.
    bool timeout(DWORD& ms) const;

private:
    std::map<std::string, std::string> values_;
};
