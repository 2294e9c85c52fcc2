#include "player/discharge.h"

namespace {
constexpr uint32_t frames_per_pattern = 3;
constexpr uint32_t pattern_count = 8;
} // namespace

void discharge_t::update() {
    const uint32_t p = counter / frames_per_pattern;
    if (p < pattern_count) {
        pattern = int32_t(p);
    } else {
        kill();
    }
    ++counter;
}

void discharge_t::start() {
    counter = 0;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
}
