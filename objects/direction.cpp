#include "objects/direction.h"

#include <algorithm>
#include <cmath>

float direction_thresholds[16];

namespace {

struct direction_thresholds_init_t {
    direction_thresholds_init_t() {
        const float pi_s = 3.14159274f;
        for (int k = 0; k < 16; ++k) {
            const float a = float(2 * k + 1) * pi_s / 64.0f;
            direction_thresholds[k] = float(std::tan(double(a)));
        }
    }
};

const direction_thresholds_init_t init_direction_thresholds __attribute__((init_priority(101)));

// The exact product of two floats fits a double, so these compare a x t[k] with b without rounding.
int smallest_at_least(float a, float b) {
    for (int k = 0; k < 16; ++k) {
        if (double(a) * double(direction_thresholds[k]) >= double(b)) {
            return k;
        }
    }
    return 16;
}

int largest_at_most(float a, float b) {
    for (int k = 15; k >= 0; --k) {
        if (double(a) * double(direction_thresholds[k]) <= double(b)) {
            return k;
        }
    }
    return -1;
}

} // namespace

int32_t direction_to(const float* from, const float* to) {
    const float dx = to[0] - from[0];
    const float dy = from[1] - to[1];
    const float a = std::fabs(dx);
    const float b = std::fabs(dy);
    if (dx >= 0 && dy >= 0) {
        return smallest_at_least(a, b);
    }
    if (dx <= 0 && dy >= 0) {
        return 31 - largest_at_most(a, b);
    }
    if (dx <= 0 && dy <= 0) {
        return 32 + smallest_at_least(a, b);
    }
    const int k = largest_at_most(a, b);
    return k < 0 ? 0 : 63 - k;
}

int32_t turn_direction(int32_t current, int32_t target, int32_t limit) {
    const int32_t diff = (target - current) & 63;
    if (diff == 0) {
        return current;
    }
    if (diff <= 32) {
        return (current + std::min(diff, limit)) & 63;
    }
    return (current - std::min(64 - diff, limit)) & 63;
}
