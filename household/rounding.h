#pragma once

#include <cmath>

namespace household {

// Nearest integer, a value exactly halfway going to the even neighbour,
// whatever the floating-point rounding mode is.
inline double RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1.0;
    return floor;
}

}  // namespace household
