#pragma once
// Whole-number rounding as the routines' arithmetic does it: halves go to the even neighbour.
#include <cmath>

namespace platform {

inline double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff > 0.5)
        return down + 1;
    if (diff < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

} // namespace platform
