// What the jointed worm arms share: the shortest turn between two of the 64 directions, and a segment's
// direction held within a window of its base.
#pragma once

#include <algorithm>
#include <cstdint>

namespace joint {

// The turn from dir (any value, read as dir & 63) to target (0..63) the shorter way; a half circle is +32.
inline int32_t shortest_turn(int32_t dir, int32_t target) {
    const int32_t d = target - (dir & 63);
    if (d == 0) {
        return 0;
    }
    const int32_t p = d > 0 ? d : d + 64;
    const int32_t n = d > 0 ? d - 64 : d;
    return p <= -n ? p : n;
}

inline int32_t sign(int32_t v) {
    return (v > 0) - (v < 0);
}

// dir held within [base + low, base + high].
inline int32_t within(int32_t dir, int32_t base, int32_t low, int32_t high) {
    return std::clamp(dir, base + low, base + high);
}

} // namespace joint
