// Rotator005's construction, its turning cross and its damage.
#include "enemies/rotators/rotator005.h"

#include "enemies/damage_tail.h"
#include "objects/big_explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr uint32_t turn_every = 6;
constexpr uint32_t fire_every = 16;
constexpr float muzzle = 24;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 52;

} // namespace

namespace rotator005 {

void body_t::update() {
    if (x < -24 || x >= 280 || y < -24 || y >= 280) {
        return;
    }
    if (g_frame_counter % turn_every == 0) {
        dir = (dir - 1) & 63;
        pattern = dir & 15;
    }
    if (g_frame_counter % fire_every == 0) {
        fire_cross(1.0f);
    }
    ++frames;
}

void body_t::fire_cross(float speed) {
    size_t i = 0;
    for (int32_t k = 0; k < 4; ++k) {
        i = next_idle(shots, i);
        if (i == shots.size()) {
            break;
        }
        const int32_t d = (dir + 16 * k) & 63;
        rotators::fire_from(shots[i++], x + muzzle * cos_table[d], y - muzzle * sin_table[d], d, speed);
    }
    g_soundctr.request_se(rotators::se_fan);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed});
}

} // namespace rotator005

rotator005::body_t* stage_t::make_rotator005_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<rotator005::body_t>(stage, placement, info);
}

void stage_t::spawn_rotator005(stage_t* stage, const placement_t* placement) {
    // Record 83 is asked for, though the small explosion pattern does not use it.
    const auto r = find_records({placement->type, 83, 30, 31});
    if (!r) {
        return;
    }
    const auto [record, unused, shot, effect] = *r;
    rotator005::body_t* body = make_rotator005_body(stage, placement, record);
    body->attach_explosion(make_explosion_pattern_small(stage, placement));
    for (int32_t i = 0; i < 32; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, 2, body, body->shots);
    }
    give_item(stage, placement, body);
}
