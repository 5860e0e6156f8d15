// The sweep's point grid.
// Coordinates of a toolbar fit in 16 bits; larger values are not expected from a client rectangle.
#include "tray_sweep.h"

#include <cstddef>

namespace monitor {

std::vector<uint32_t> SweepMouseMoveParams(long right, long bottom) {
    std::vector<uint32_t> params;
    if (right <= 0 || bottom <= 0)
        return params;
    params.reserve(static_cast<std::size_t>(((right + kSweepStep - 1) / kSweepStep) *
                                       ((bottom + kSweepStep - 1) / kSweepStep)));
    for (long x = 0; x < right; x += kSweepStep)
        for (long y = 0; y < bottom; y += kSweepStep)
            params.push_back(static_cast<uint32_t>(y) * 65536u + static_cast<uint32_t>(x));
    return params;
}

} // namespace monitor
