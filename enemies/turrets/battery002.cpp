// Battery002's construction, its burst rhythm and its damage.
#include "enemies/turrets/battery002.h"

#include "enemies/damage_tail.h"
#include "enemies/turrets/battery001.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t shot_count = 32;
constexpr float muzzle = 10;
constexpr float shot_speed = 4.0f;
constexpr uint32_t block = 64;
constexpr uint32_t every = 3;
constexpr uint32_t effect_period = 2;
constexpr int32_t se_fire = 93;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 7;
constexpr int32_t revenge_level = 4;

// The frames of a 64-frame block that may fire, by level 1..8; levels 7 and 8 fire throughout.
constexpr uint32_t burst_width[8] = {18, 27, 36, 45, 45, 45, block, block};

} // namespace

namespace battery002 {

void body_t::update() {
    if (x < 0 || x >= 256 || y < 0 || y >= 256) {
        return;
    }
    if (counter % every == 0 && counter % block < burst_width[difficulty_level() - 1]) {
        fire();
    }
    ++counter;
}

void body_t::fire() {
    launch_pooled_shot(shots, true, x, y, direction, muzzle, shot_speed, direction & 31);
    g_soundctr.request_se(se_fire);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

} // namespace battery002

battery002::body_t* stage_t::make_battery002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<battery002::body_t>(stage, placement, info);
}

battery002::body_t* stage_t::spawn_battery002(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({152, 153, 154, 69});
    if (!r) {
        return nullptr;
    }
    const auto& [body_record, shot, effect, explosion] = *r;
    battery002::body_t* body = make_battery002_body(stage, placement, body_record);
    // The direction indexes the 64-step tables and the picture's patterns.
    body->direction = wrap64(placement->param2);
    body->pattern = body->direction;
    attach_death_explosion(stage, placement, body, explosion)->period = 1;
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, effect_period, body, body->shots);
    }
    give_item(stage, placement, body);
    return body;
}
