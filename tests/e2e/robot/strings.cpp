// Text conversions the robot needs between UTF-16, the ANSI code page and hex.
// Kept apart so commands deal only in std::string of ANSI bytes.
#include "strings.h"

#include <windows.h>

#include <cctype>
#include <cstdio>

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

} // namespace

std::string to_ansi(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(length > 0 ? length : 0, '\0');
    if (length > 0) {
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &ansi[0], length, nullptr, nullptr);
    }
    return ansi;
}

bool parse_hex_bytes(const std::string& text, std::vector<unsigned char>& bytes) {
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ',') {
            if (high >= 0) {
                return false;
            }
            continue;
        }
        const int digit = hex_digit(c);
        if (digit < 0) {
            return false;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<unsigned char>(high * 16 + digit));
            high = -1;
        }
    }
    return high < 0;
}

std::string hex_bytes(const unsigned char* data, size_t size) {
    std::string text;
    for (size_t i = 0; i < size; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", data[i]);
        text += (i == 0 ? "" : " ") + std::string(pair);
    }
    return text;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}
