// Tracer002's aim, chase and retreat, its fire by level and its assembly.
#include "enemies/chasers/tracer002.h"

#include "enemies/chasers/chase.h"
#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

namespace {

constexpr float speed = 1.0f;
constexpr float flame_distance = 12;
constexpr float muzzle = 18;
constexpr int32_t leave_direction = 32;
constexpr int32_t shot_count = 8;
constexpr int32_t jet_period = 2;
constexpr uint32_t explosion_period = 1;
constexpr uint32_t shot_effect_period = 3;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 23;
constexpr int32_t se_destroyed_blast = 2;
constexpr int32_t revenge_level = 4;

enum : int32_t { aiming = 0, chasing = 1, leaving = 2 };

bool fires_at(uint32_t timer, int32_t level) {
    if (level <= 2) {
        return timer % 96 == 0;
    }
    return (timer & (level <= 4 ? 63u : 31u)) == 0;
}

} // namespace

namespace tracer002 {

void body_t::update() {
    if (state == aiming) {
        direction = chase::direction_to_ship(position(), direction);
        state = chasing;
        timer = 0;
    }
    if (state == chasing) {
        if (g_stage_position - key < chase_span) {
            const int32_t want = timer % 2 == 0 ? chase::direction_to_ship(position(), direction) : direction;
            fly(want, fires_at(timer, difficulty_level()));
            return;
        }
        state = leaving;
        timer = 0;
    }
    fly(timer % 2 == 0 ? leave_direction : direction, false);
}

void body_t::fly(int32_t want, bool fire) {
    const int32_t off = (want - direction) & 63;
    if (off > 1 && off < 63) {
        direction = turn_direction(direction, want, 1);
    }
    chase::advance(*this, direction, speed);
    pattern = direction;
    if (fire) {
        const float shot_speed = 1.0f + 0.2f * float(difficulty_level() - 1);
        chase::fire_ahead(shots, true, x, y, direction, muzzle, shot_speed);
    }
    const int32_t back = (direction + 32) & 63;
    jet->set_position(chase::along_x(x, back, flame_distance), chase::along_y(y, back, flame_distance));
    ++timer;
}

void body_t::kill() {
    enemy_t::kill();
    jet->kill();
}

void body_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed, se_destroyed_blast}, revenge_level);
}

} // namespace tracer002

tracer002::body_t* stage_t::make_tracer002_body(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return make_placed_enemy<tracer002::body_t>(stage, placement, info);
}

void stage_t::spawn_tracer002(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 30, 31, 68, 93});
    if (!r) {
        return;
    }
    const auto [body_info, shot, shot_effect, explosion, flame] = *r;
    tracer002::body_t* body = make_tracer002_body(stage, placement, body_info);
    attach_death_explosion(stage, placement, body, explosion)->period = explosion_period;
    body->jet = make_jet(stage, placement, flame);
    body->jet->period = jet_period;
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, shot_effect, shot_effect_period, body, body->shots);
    }
    give_item(stage, placement, body);
}
