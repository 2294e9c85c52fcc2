#include "player/shield.h"

#include "objects/play_globals.h"
#include "screen/soundctr.h"

namespace {
constexpr int32_t immunity_after_hit = 8;
constexpr int32_t shield_sound = 0;
constexpr float shield_offset_x = 8;
} // namespace

void shield_t::update() {
    if (immunity > 0) {
        --immunity;
        // The last hit hid it at once; it protects the ship until the immunity is over.
        if (immunity == 0 && image == -1) {
            kill();
        }
    }
}

void shield_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x - shield_offset_x, new_y);
}

void shield_t::start() {
    immunity = immunity_after_hit;
    image = info->image_id;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
}

void shield_t::kill() {
    image = -1;
    alive = 0;
    hp = 0;
}

void shield_t::damage(int32_t n) {
    if (n <= 0 || immunity != 0) {
        return;
    }
    if (hp == 1) {
        image = -1;
    } else {
        --hp;
        if (hp < 1) {
            kill();
        }
        if (g_frame_counter >= last_hit + 3u) {
            last_hit = g_frame_counter;
        }
        pattern = info->hit_points - hp;
    }
    immunity = immunity_after_hit;
    g_soundctr.request_se(shield_sound);
}
