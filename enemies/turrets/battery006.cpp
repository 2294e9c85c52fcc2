// Battery006's construction, its tracking inside its sector, its firing by level and its damage.
#include "enemies/turrets/battery006.h"

#include "enemies/damage_tail.h"
#include "enemies/turrets/battery001.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

#include <algorithm>

namespace {

constexpr int32_t shot_count = 4;
constexpr int32_t sector = 10;
constexpr float muzzle = 16;
constexpr uint32_t effect_period = 1;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 57;
constexpr int32_t revenge_level = 4;
constexpr uint32_t spark_every = 8;

enum : int32_t { start_state = 0, waiting = 1, active = 2 };

struct rhythm_t {
    uint32_t interval;
    float speed;
};

// By level 1..8.
constexpr rhythm_t rhythms[8] = {{128, 1.0f}, {128, 1.0f}, {64, 1.2f}, {64, 1.5f},
                                 {32, 2.0f},  {32, 2.0f},  {32, 2.0f}, {32, 2.0f}};

} // namespace

namespace battery006 {

void body_t::set_direction(int32_t centre) {
    direction = wrap64(centre);
    min_direction = direction - sector;
    max_direction = direction + sector;
    pattern = direction;
}

void body_t::update() {
    if (state == start_state) {
        pattern = direction & 63;
        state = waiting;
        timer = 0;
    }
    if (state == waiting && x >= 0 && x < 256 && y >= 0 && y < 256) {
        state = active;
        timer = 0;
    }
    if (state == active && timer % 2 == 0) {
        if (ship_t* ship = g_player_ship) {
            const int32_t way = shorter_turn(direction & 63, direction_to(position(), ship->position()));
            if (way != 0) {
                direction = std::clamp(direction + way, min_direction, max_direction);
                pattern = direction & 63;
            }
        }
        const rhythm_t& r = rhythms[difficulty_level() - 1];
        if (timer % r.interval == 0) {
            fire(r.speed);
        }
    }
    ++timer;
}

void body_t::fire(float speed) {
    launch_pooled_shot(shots, true, x, y, pattern & 63, muzzle, speed, pattern & 31);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    if (g_frame_counter % spark_every == 0) {
        spawn_sparks(position(), 1);
    }
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

} // namespace battery006

battery006::body_t* stage_t::make_battery006_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<battery006::body_t>(stage, placement, info);
}

battery006::body_t* stage_t::spawn_battery006(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({166, 66, 30, 31});
    if (!r) {
        return nullptr;
    }
    const auto& [body_record, explosion, shot, effect] = *r;
    battery006::body_t* body = make_battery006_body(stage, placement, body_record);
    body->set_direction(placement->param2);
    attach_death_explosion(stage, placement, body, explosion)->period = 1;
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, effect_period, body, body->shots);
    }
    give_item(stage, placement, body);
    return body;
}
