// Tracer001's chase, its flames, its fire and its assembly.
#include "enemies/chasers/tracer001.h"

#include "enemies/chasers/chase.h"
#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

namespace {

constexpr uint32_t chase_span = 0x20040; // two sections and 64 pixels past the key
constexpr float leave_point[2] = {-384, 128};
constexpr float speed = 1.5f;
constexpr float flame_distance = 14;
constexpr int32_t flame_spread = 3;
constexpr float muzzle = 12;
constexpr float shot_speed = 1.8f;
constexpr int32_t shot_count = 4;
constexpr int32_t jet_period = 2;
constexpr uint32_t shot_effect_period = 2;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 41;
constexpr int32_t revenge_level = 3;

} // namespace

namespace tracer001 {

void Body::update() {
    const bool chasing = g_stage_position - key < chase_span;
    if (counter % 2 == 0) {
        const int32_t want =
            chasing ? chase::direction_to_ship(position(), direction) : direction_to(position(), leave_point);
        if (want != direction) {
            direction = turn_direction(direction, want, 1);
            pattern = direction >> 1;
        }
    }
    chase::advance(*this, direction, speed);
    const int32_t back = (direction + 32) & 63;
    const int32_t a = (back - flame_spread) & 63;
    const int32_t b = (back + flame_spread) & 63;
    jet_a->set_position(chase::along_x(x, a, flame_distance), chase::along_y(y, a, flame_distance));
    jet_b->set_position(chase::along_x(x, b, flame_distance), chase::along_y(y, b, flame_distance));
    const uint32_t interval_mask = difficulty_level() == 1 ? 127 : 63;
    if (chasing && (counter & interval_mask) == 0) {
        chase::fire_ahead(shots, false, x, y, direction, muzzle, shot_speed);
    }
    ++counter;
}

void Body::kill() {
    enemy_t::kill();
    jet_a->kill();
    jet_b->kill();
}

void Body::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

} // namespace tracer001

tracer001::Body* stage_t::make_tracer001_body(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<tracer001::Body>(stage, placement, info);
}

void stage_t::spawn_tracer001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 83, 93, 30, 31});
    if (!r) {
        return;
    }
    const auto [body_info, explosion, flame, shot, shot_effect] = *r;
    jet_t* jet_a = make_jet(stage, placement, flame);
    jet_t* jet_b = make_jet(stage, placement, flame);
    jet_a->period = jet_period;
    jet_b->period = jet_period;
    tracer001::Body* body = make_tracer001_body(stage, placement, body_info);
    attach_death_explosion(stage, placement, body, explosion);
    body->jet_a = jet_a;
    body->jet_b = jet_b;
    for (int32_t i = 0; i < shot_count; ++i) {
        // Its shots have no owner.
        make_shot_with_effect(stage, placement, shot, shot_effect, shot_effect_period, nullptr, body->shots);
    }
    give_item(stage, placement, body);
}
