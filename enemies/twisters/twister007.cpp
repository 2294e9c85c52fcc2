// Twister007's dive, turn and cruise, its missiles and its assembly.
#include "enemies/twisters/twister007.h"

#include "enemies/damage_tail.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t body_record = 129;
constexpr int32_t missile_count = 32;
constexpr int32_t missile_directions[16] = {0, 62, 8, 58, 6, 2, 60, 4, 56, 6, 4, 60, 62, 2, 8, 58};
constexpr float dive_speed = 6.0f;
constexpr float dive_braking = 0.12f;
constexpr uint32_t armour_frames = 32;
constexpr float middle_y = 128;
constexpr float turn_acceleration = 0.04f;
constexpr float cruise_speed = 2.0f;
constexpr float leave_x = -32;
constexpr float muzzle = 16;
constexpr float missile_speed = 0.5f;
constexpr float missile_drift = 0.75f;
constexpr float spark_dx = 14;
constexpr uint32_t spark_every = 4;
constexpr int32_t se_turn = 10;
constexpr int32_t se_missile = 31;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 38;
constexpr int32_t revenge_level = 4;

enum : int32_t { begin = 0, dive = 1, turn = 2, cruise = 3 };

uint32_t fire_interval() {
    const int32_t level = difficulty_level();
    return level == 1 ? 24 : level == 2 ? 16 : 8;
}

} // namespace

namespace twister007 {

bool body_t::run_state(bool& firing, uint32_t& spin_period) {
    switch (state) {
    case begin:
        speed = dive_speed;
        armoured = 1;
        next_missile = rng::pick(int32_t(missiles.size()));
        downward = y < middle_y ? 1 : 0;
        state = dive;
        return true;
    case dive:
        spin_period = 4;
        y += downward ? speed : -speed;
        if (timer == armour_frames) {
            armoured = 0;
        }
        speed -= dive_braking;
        if (speed < 0) {
            speed = 0;
            state = turn;
            return true;
        }
        return false;
    case turn:
        spin_period = 2;
        x -= speed;
        speed += turn_acceleration;
        if (speed > cruise_speed) {
            speed = cruise_speed;
            state = cruise;
            return true;
        }
        firing = true;
        if (timer == 0) {
            g_soundctr.request_se(se_turn);
        }
        return false;
    case cruise:
        spin_period = 1;
        x -= speed;
        firing = true;
        return false;
    default:
        return false;
    }
}

void body_t::update() {
    bool firing = false;
    uint32_t spin_period = 1;
    while (run_state(firing, spin_period)) {
        timer = 0;
    }
    if (x < leave_x) {
        alive = 0;
        hp = 0;
        return;
    }
    if (firing && g_frame_counter % fire_interval() == 0) {
        fire();
    }
    if (g_frame_counter % spin_period == 0) {
        pattern = (pattern + (downward ? 1 : 15)) & 15;
    }
    ++timer;
}

void body_t::fire() {
    if (missiles.empty()) {
        return;
    }
    body_missile_t* missile = missiles[size_t(next_missile)];
    if (missile->alive) {
        return;
    }
    launch(missile, x + muzzle, y, missile->direction, missile_speed);
    next_missile = (next_missile + 1) % int32_t(missiles.size());
    g_soundctr.request_se(se_missile);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    g_soundctr.request_se(se_hit);
    if (g_frame_counter % spark_every == 0) {
        const float at[2] = {x - spark_dx, y};
        spawn_sparks(at, 1);
    }
    if (armoured) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::death_tail(*this, {se_destroyed}, revenge_level);
}

void body_missile_t::update() {
    missile_t::update();
    x -= missile_drift;
    if (anim_clock % 4 == 0) {
        pattern = (pattern + 1) & 3;
    }
    ++anim_clock;
}

void body_missile_t::start() {
    anim_clock = 0;
    missile_t::start();
}

} // namespace twister007

twister007::body_t* stage_t::make_twister007_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<twister007::body_t>(stage, placement, info);
}

twister007::body_missile_t* stage_t::make_twister007_body_missile(stage_t* stage,
                                                                  const placement_t* placement,
                                                                  const objectinfo_t* info) {
    return append_dormant<twister007::body_missile_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_twister007(stage_t* stage, const placement_t* placement) {
    // Record 93 is asked for though twister007 has no jet.
    const auto r = find_records({body_record, 83, 93, 25});
    if (!r) {
        return;
    }
    const auto [body_info, explosion, unused, missile_info] = *r;
    twister007::body_t* body = make_twister007_body(stage, placement, body_info);
    attach_death_explosion(stage, placement, body, explosion);
    for (int32_t i = 0; i < missile_count; ++i) {
        twister007::body_missile_t* missile = make_twister007_body_missile(stage, placement, missile_info);
        missile->direction = missile_directions[i % 16];
        missile->set_owner(body);
        body->missiles.push_back(missile);
    }
    give_item(stage, placement, body);
}
