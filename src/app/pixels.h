// Positions and sizes are worked out in double precision and turned into
// pixels by truncation toward zero, never by rounding.
#pragma once

#include <cmath>
#include <limits>

namespace kameng {

inline int toPixels(double value) {
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (std::isnan(value)) return 0;
    // Out-of-range values saturate instead of overflowing the conversion.
    if (value <= lowest) return std::numeric_limits<int>::min();
    if (value >= highest) return std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(value));
}

}  // namespace kameng
