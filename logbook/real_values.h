#pragma once

// Where a stored value stops being a real dive's. Files are not validated, so the printed
// page and the exports leave such a value out rather than show NaN or 1e300 as data.

#include <cmath>

inline bool within_real(double value, double least, double most) {
    return std::isfinite(value) && value >= least && value <= most;
}
inline bool real_depth(double metres) { return within_real(metres, 0, 1000); }
inline bool real_temperature(double celsius) { return within_real(celsius, -100, 100); }
inline bool real_pressure(double bar) { return within_real(bar, 0, 1000); }
