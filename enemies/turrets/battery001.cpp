// Battery001's construction, its two updates and the shared launch and damage of the turrets.
#include "enemies/turrets/battery001.h"

#include "enemies/damage_tail.h"
#include "objects/direction.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

#include <algorithm>

namespace {

constexpr float screen_low = -16;
constexpr float screen_high = 272;
constexpr float muzzle = 12;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 18;
constexpr int32_t revenge_level = 4;

uint32_t fire_interval() {
    return uint32_t(128 - 16 * (difficulty_level() - 1));
}

// Both updates: off screen nothing moves; on screen the kind may fire at the ship, then turns toward it
// on even frames.
template <typename Kind> void track(Kind& turret) {
    if (turret.x < screen_low || turret.x >= screen_high || turret.y < screen_low ||
        turret.y >= screen_high) {
        return;
    }
    if (ship_t* ship = g_player_ship) {
        const int32_t aim = direction_to(turret.position(), ship->position());
        if (Kind::fires_at(aim) && turret.counter % fire_interval() == 0) {
            turret.fire();
        }
        if (turret.counter % 2 == 0) {
            turret.turn(shorter_turn(turret.direction == 0 ? 64 : turret.direction, aim));
        }
    }
    ++turret.counter;
}

} // namespace

int32_t shorter_turn(int32_t from, int32_t to) {
    const int32_t d = wrap64(int64_t(to) - from);
    return d == 0 ? 0 : d <= 32 ? 1 : -1;
}

missile_t* launch_pooled_shot(const std::vector<missile_t*>& shots, bool with_effect, float x, float y,
                              int32_t d, float muzzle_distance, float speed, int32_t pattern) {
    const auto idle = std::find_if(shots.begin(), shots.end(), [with_effect](missile_t* shot) {
        return !shot->alive && !(with_effect && shot->effect != nullptr && shot->effect->alive);
    });
    if (idle == shots.end()) {
        return nullptr;
    }
    missile_t* shot = *idle;
    const float mx = x + muzzle_distance * cos_table[d];
    const float my = y - muzzle_distance * sin_table[d];
    if (with_effect) {
        shot->start_effect_at(mx, my);
    }
    shot->set_position(mx, my);
    shot->direction = d;
    shot->pattern = pattern;
    shot->speed = speed;
    shot->vx = speed * cos_table[d];
    shot->vy = -speed * sin_table[d];
    shot->start();
    return shot;
}

namespace battery001 {

body_t::body_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), shot_speed(1.0f + 0.2f * float(difficulty_level() - 1)) {
    shots.reserve(4);
}

void body_t::fire() {
    if (g_player_ship == nullptr || !g_player_ship->alive) {
        return;
    }
    launch_pooled_shot(shots, false, x, y, direction, muzzle, shot_speed, (direction >> 1) & 15);
}

void body_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

void floorbody_t::update() {
    track(*this);
}

bool floorbody_t::fires_at(int32_t aim) {
    return aim >= 0 && aim <= 32;
}

void floorbody_t::turn(int32_t way) {
    direction = std::clamp(direction + way, 0, 32);
    pattern = direction >> 1;
}

void roofbody_t::update() {
    track(*this);
}

bool roofbody_t::fires_at(int32_t aim) {
    return aim >= 32 || aim == 0;
}

void roofbody_t::turn(int32_t way) {
    const int32_t d = std::clamp((direction == 0 ? 64 : direction) + way, 32, 64);
    direction = d == 64 ? 0 : d;
    pattern = 24 + ((d - 32) >> 1);
}

} // namespace battery001

battery001::floorbody_t* stage_t::make_battery001_floorbody(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info) {
    return make_placed_enemy<battery001::floorbody_t>(stage, placement, info);
}

battery001::roofbody_t* stage_t::make_battery001_roofbody(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return make_placed_enemy<battery001::roofbody_t>(stage, placement, info);
}

battery001::floorbody_t* stage_t::spawn_battery001_floor(stage_t* stage, const placement_t* placement,
                                                         int32_t explosion_id) {
    return spawn_single<battery001::floorbody_t>(stage, placement, explosion_id);
}

battery001::roofbody_t* stage_t::spawn_battery001_roof(stage_t* stage, const placement_t* placement,
                                                       int32_t explosion_id) {
    return spawn_single<battery001::roofbody_t>(stage, placement, explosion_id);
}
