// Battery003's construction, its beat on the global frame counter, its fan and its damage.
#include "enemies/turrets/battery003.h"

#include "enemies/damage_tail.h"
#include "enemies/turrets/battery001.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr int32_t shot_room = 64;
constexpr int32_t fan_step = 4;
constexpr int32_t patterns = 8; // of a facing's row
constexpr uint32_t animation_every = 8;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 57;
constexpr int32_t revenge_level = 4;

// The muzzle, 12 pixels along each facing.
constexpr float muzzle_dx[4] = {12, 0, -12, 0};
constexpr float muzzle_dy[4] = {0, -12, 0, 12};

uint32_t fire_interval() {
    return uint32_t(std::max(128 - 16 * (difficulty_level() - 1), 32));
}

} // namespace

namespace battery003 {

body_t::body_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), shot_speed(0.75f + 0.1f * float(difficulty_level() - 1)) {
    shots.reserve(shot_room);
}

void body_t::set_facing(int32_t n) {
    pattern_base = (n & 3) * patterns;
    pattern = pattern_base + (rng::rand() >> 12);
}

void body_t::update() {
    const uint32_t t = g_frame_counter;
    if (x >= 0 && x < 256 && y >= 0 && y < 256 && t % fire_interval() == 0) {
        fire(std::min(difficulty_level() + 2, 5));
    }
    if (t % animation_every == 0) {
        pattern = pattern_base + wrap_mod(int64_t(pattern) + 1 - pattern_base, patterns);
    }
}

void body_t::fire(int32_t n) {
    const int32_t f = (pattern >> 3) & 3;
    int32_t d = wrap64(16 * f - 2 * (n - 1));
    const float mx = x + muzzle_dx[f];
    const float my = y + muzzle_dy[f];
    size_t i = 0;
    for (int32_t fired = 0; fired < n; ++fired) {
        i = next_idle(shots, i);
        if (i == shots.size()) {
            return;
        }
        launch(shots[i], mx, my, d, shot_speed);
        d = wrap64(d + fan_step);
    }
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

} // namespace battery003

battery003::body_t* stage_t::spawn_battery003(stage_t* stage, const placement_t* placement,
                                              int32_t explosion_id) {
    return spawn_single<battery003::body_t>(stage, placement, explosion_id);
}
