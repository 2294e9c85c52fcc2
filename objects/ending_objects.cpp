#include "objects/ending_objects.h"

#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr uint32_t slow_rise_frames = 300;
constexpr uint32_t climb_start = 332; // after a pause of 32 frames
constexpr uint32_t animation_frames = 96;
constexpr int32_t climb_sound = 4;

} // namespace

void ending_object001_t::update() {
    y -= 0.2;
}

void ending_object002_t::update() {
    if (y > 128.0f) {
        y -= 0.2;
    } else if (fade > 0) {
        fade -= 4;
    }
}

void ending_object_shipeject_t::update() {
    const uint32_t c = counter;
    if (c < slow_rise_frames) {
        y -= 0.04;
        pattern = 0;
    } else if (c >= climb_start) {
        const uint32_t t = c - climb_start;
        if (t < animation_frames) {
            pattern = int32_t(t / 12);
        } else {
            if (t % 8 == 0) {
                pattern = std::min(pattern + 1, 15);
            }
            y -= (t - animation_frames) * 0.1 + 1.0;
        }
        if (pattern == 8) {
            g_soundctr.request_se(climb_sound);
        }
    }
    ++counter;
}
