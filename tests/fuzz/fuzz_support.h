// What the fuzzers share: a property check that stops the run like a sanitizer report (so libFuzzer keeps
// the input), and the small readers that turn fuzz bytes into the lines and words a parser is handed.
#pragma once

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

inline std::string Text(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Lines split at '\n', every byte kept otherwise; an input without '\n' is one line, an empty one none.
inline std::vector<std::string> Lines(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    if (size == 0)
        return lines;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(data[i]));
        }
    }
    lines.push_back(line);
    return lines;
}

inline char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

inline bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The text with the case of each letter flipped where the matching bit of `bits` is set.
inline std::string FlipCase(const std::string& text, const uint8_t* bits, size_t bitCount) {
    std::string flipped = text;
    for (size_t i = 0; i < flipped.size() && i < bitCount * 8; ++i) {
        if (!(bits[i / 8] & (1u << (i % 8))))
            continue;
        const unsigned char c = static_cast<unsigned char>(flipped[i]);
        flipped[i] = static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c));
    }
    return flipped;
}

inline uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

} // namespace fuzz
