// The grid of synthetic mouse moves sent over the notification area at exit, which makes the taskbar
// drop icons of programs that ended without removing theirs.
#pragma once

#include <cstdint>
#include <vector>

namespace monitor {

constexpr long kSweepStep = 5;

// WM_MOUSEMOVE lParams (x in the low word, y in the high word) for a client area of right x bottom pixels,
// x in the outer loop and y in the inner one. Empty for an empty or negative area.
std::vector<uint32_t> SweepMouseMoveParams(long right, long bottom);

} // namespace monitor
