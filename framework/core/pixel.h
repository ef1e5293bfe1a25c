#pragma once

// A computed drawing position as a whole pixel, cut toward zero. Scales from a file
// can push a position to NaN or far off any canvas; converting such a double as it
// is would be undefined, so it is held a million pixels out, where nothing shows.

#include <algorithm>
#include <cmath>

inline int to_pixel(double position) {
    constexpr double far_out = 1'000'000.0;
    if (std::isnan(position)) return 0;
    return static_cast<int>(std::clamp(position, -far_out, far_out));
}
