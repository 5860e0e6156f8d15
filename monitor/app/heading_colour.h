// Which colour the status heading is drawn in: blue for the two good states, grey for everything else.
// Colours are COLORREF values (0x00bbggrr) so the window can hand them to SetTextColor unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace monitor {

constexpr uint32_t MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) | (static_cast<uint32_t>(blue) << 16);
}

constexpr uint32_t kGoodHeadingColour = MakeColour(0, 0, 255);
constexpr uint32_t kOtherHeadingColour = MakeColour(172, 168, 153);

// Whole-string, case-sensitive: only "Ready" and "Printing" are good news.
uint32_t HeadingTextColour(const std::string& heading);

} // namespace monitor
