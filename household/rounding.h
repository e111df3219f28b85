#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace household {

// Nearest integer, a value exactly halfway going to the even neighbour,
// whatever the floating-point rounding mode is.
inline double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1.0;
    return floor;
}

// roundHalfEven, clamped to 16 bits.
inline std::int16_t roundHalfEven16(double value)
{
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(value), double{std::numeric_limits<std::int16_t>::min()},
                                                double{std::numeric_limits<std::int16_t>::max()}));
}

}  // namespace household
