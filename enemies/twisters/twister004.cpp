// Twister004's pulses, its shot at each pause, its jet and its assembly.
#include "enemies/twisters/twister004.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t body_record = 119;
constexpr float top_speed = 2.0f;
constexpr float acceleration = 0.2f;
constexpr float braking = 0.1f;
constexpr uint32_t pause_frames = 32;
constexpr int32_t first_firing_level = 3;
constexpr float muzzle = 8;
constexpr float shot_speed = 1.5f;
constexpr int32_t shot_direction = 32;
constexpr float jet_dx = 13;
constexpr int32_t shot_count = 3;
constexpr uint32_t shot_effect_period = 4;
constexpr uint32_t explosion_period = 1;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 23;
constexpr int32_t se_destroyed_blast = 2;
constexpr int32_t revenge_level = 4;

enum : int32_t { accelerating = 0, braking_state = 1, pausing = 2 };

} // namespace

namespace twister004 {

void body_t::update() {
    const int32_t before = state;
    switch (state) {
    case accelerating:
        speed += acceleration;
        if (speed > top_speed) {
            speed = top_speed;
            state = braking_state;
        }
        break;
    case braking_state:
        speed -= braking;
        if (speed < 0) {
            speed = 0;
            state = pausing;
        }
        break;
    case pausing:
        if (timer == 0) {
            fire();
        }
        if (timer >= pause_frames) {
            state = accelerating;
        }
        break;
    default:
        break;
    }
    timer = state == before ? timer + 1 : 0;
    set_position(x - speed, y);
    pattern = (pattern + 1) & 31;
}

void body_t::fire() {
    if (difficulty_level() < first_firing_level) {
        return;
    }
    const size_t i = next_idle(shots, 0, true);
    if (i == shots.size()) {
        return;
    }
    shots[i]->start_effect_at(x - muzzle, y);
    launch(shots[i], x - muzzle, y, shot_direction, shot_speed);
}

void body_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    jet->set_position(new_x + jet_dx, new_y);
}

void body_t::start() {
    enemy_t::start();
    jet->start();
}

void body_t::kill() {
    enemy_t::kill();
    jet->kill();
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed, se_destroyed_blast}, revenge_level);
}

} // namespace twister004

twister004::body_t* stage_t::make_twister004_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<twister004::body_t>(stage, placement, info);
}

void stage_t::spawn_twister004(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({body_record, 65, 93, 30, 31});
    if (!r) {
        return;
    }
    const auto [body_info, explosion, flame, shot, shot_effect] = *r;
    twister004::body_t* body = make_twister004_body(stage, placement, body_info);
    body->jet = make_jet(stage, placement, flame);
    attach_death_explosion(stage, placement, body, explosion)->period = explosion_period;
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, shot_effect, shot_effect_period, body, body->shots);
    }
    give_item(stage, placement, body);
}
