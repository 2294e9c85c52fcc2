// Remainders that stay in a table's range for negative values too: directions of the 64-step circle and
// angles of the 360-step tables taken from placements or turned past zero.
#pragma once

#include <cstdint>

// value mod n in 0..n-1 (n > 0), also for a negative value.
constexpr int32_t wrap_mod(int64_t value, int32_t n) {
    if (value >= 0) {
        return int32_t(value % n);
    }
    return int32_t(n - 1 - (-(value + 1)) % n);
}

constexpr int32_t wrap64(int64_t direction) {
    return wrap_mod(direction, 64);
}
