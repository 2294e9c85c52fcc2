// The final boss body's reflecting laser and the core's missile.
#include "bosses/melvorin/melvorin_weapons.h"

#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"

namespace {

constexpr uint32_t reflect_pause = 16; // frames before the laser may reflect again
constexpr int32_t freeze_frames = 4;
constexpr float laser_speed = 4.5f;
constexpr float probe_dy = 8;
constexpr float left_end = -16;
constexpr int32_t missile_patterns = 32;

} // namespace

namespace melvorin {

void ref_laser_t::start() {
    last_reflect = 0;
    freeze = 0;
    missile_t::start();
}

void ref_laser_t::update() {
    const bool upward = direction < 32;
    if (g_frame_counter - last_reflect > reflect_pause &&
        terrain_layer0_at(int32_t(x), int32_t(y + (upward ? -probe_dy : probe_dy)))) {
        direction = (64 - direction) % 64;
        pattern = pattern == 0 ? 1 : 0;
        set_position(x - 6, upward ? y + 1 : y - 1);
        last_reflect = g_frame_counter;
        freeze = freeze_frames;
    }
    if (freeze > 0) {
        --freeze;
    }
    if (freeze == 0) {
        const int32_t d = direction & 63;
        set_position(x + laser_speed * cos_table[d], y - laser_speed * sin_table[d]);
    }
    if (x < left_end) {
        kill();
    }
}

void core_missile_t::start() {
    pattern = 0;
    missile_t::start();
}

void core_missile_t::update() {
    missile_t::update();
    pattern = (pattern + 1) % missile_patterns;
}

} // namespace melvorin
