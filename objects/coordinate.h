// A float position as a whole pixel: truncated toward zero and held inside a range that the boxes and
// placements built on it cannot overflow, whatever an object's flight made of it (huge or NaN).
#pragma once

#include <cstdint>

inline int32_t pixel_coordinate(double v) {
    constexpr double limit = 1 << 30;
    v = v < limit ? v : limit; // NaN lands here too
    v = v > -limit ? v : -limit;
    return int32_t(v);
}
