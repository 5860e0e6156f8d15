// Text conversions the robot needs between UTF-16, the ANSI code page and hex.
// Output stays in the ANSI code page because tests compare those bytes.
#pragma once

#include <string>
#include <vector>

std::string to_ansi(const std::wstring& wide);
// "0a 1b ff", "0a,1b,ff" or "0a1bff"; false on anything that is not whole hex bytes.
bool parse_hex_bytes(const std::string& text, std::vector<unsigned char>& bytes);
// Bytes as "0a 1b ff".
std::string hex_bytes(const unsigned char* data, size_t size);
std::vector<std::string> split(const std::string& text, char separator);
