// The sting's commands from the chest: turns toward the ship, an aim or the tail, and shots from its tip,
// with the sparks and smoke it leaves.
#include "bosses/scorpion/sting.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t rest_direction = 36;
constexpr int32_t lowest = 16;
constexpr int32_t highest = 48;
constexpr float tip = 32;
constexpr float bolt_tip = 26;
constexpr float fan_speed = 1.5f;
constexpr float bolt_speed = 2.5f;
constexpr float ball_speed = 2.0f;
constexpr float ball_speed_step = 0.2f;
constexpr int32_t homer_spread = 8;
constexpr uint32_t smoke_gap = 5;
constexpr uint32_t smoke_period = 4;
constexpr int32_t se_fan = 49;
constexpr int32_t se_bolt = 51;

enum : int32_t {
    reset = 0,
    idle = 1,
    aim_ship = 100,
    turn_aim = 101,
    to_owner = 200,
    follow_owner = 201,
    turn_given = 500,
    fan1 = 5101,
    fan4 = 5104,
    bolt = 5200,
    homer_low = 5300,
    homer_high = 5301,
    throw_balls = 5500,
};

} // namespace

namespace scorpion001 {

int32_t turn_step(int32_t direction, int32_t target) {
    const int32_t e = wrap64(target - direction);
    return e == 0 ? 0 : (e <= 32 ? 1 : -1);
}

sting_t::sting_t(const objectinfo_t* info, float x, float y, uint32_t key) : body_t(info, x, y, key) {
    heads.reserve(20);
    bolts.reserve(64);
    homers.reserve(8);
    sparks.reserve(64);
    smokes.reserve(32);
    direction = rest_direction;
    pattern = rest_direction;
}

void sting_t::set_state(int32_t s) {
    state = s;
    timer = 0;
}

void sting_t::set_flashing(bool on) {
    flash_enabled = on ? 1 : 0;
    if (!on) {
        flash = 0;
    }
}

bool sting_t::turn(int32_t t) {
    const int32_t step = turn_step(direction, t);
    if (step == 0) {
        return false;
    }
    direction = std::clamp(wrap64(direction + step), lowest, highest);
    pattern = direction;
    return direction != lowest && direction != highest;
}

void sting_t::go(int32_t next) {
    set_state(next);
    run_state();
}

void sting_t::run_state() {
    const int32_t owner_direction = owner != nullptr ? static_cast<body_t*>(owner)->direction : direction;
    switch (state) {
    case reset:
        direction = rest_direction;
        pattern = rest_direction;
        go(idle);
        break;
    case aim_ship:
        if (const float* ship = player_ship_position()) {
            aim = direction_to(position(), ship);
        }
        go(turn_aim);
        break;
    case turn_given:
        go(turn_aim);
        break;
    case turn_aim:
        if (!turn(aim)) {
            go(idle);
        }
        break;
    case to_owner:
        if (!turn(owner_direction)) {
            go(follow_owner);
        }
        break;
    case follow_owner:
        direction = std::clamp(owner_direction, lowest, highest);
        pattern = direction;
        break;
    case bolt:
        fire_bolt();
        go(idle);
        break;
    case homer_low:
    case homer_high:
        fire_homer(wrap64(direction + (state == homer_low ? -homer_spread : homer_spread)));
        go(idle);
        break;
    case throw_balls:
        if (timer % 4 == 0) {
            throw_ball();
        }
        break;
    default:
        if (state >= fan1 && state <= fan4) {
            fire_fan(state - fan1 + 1, 3);
            go(idle);
        }
        break;
    }
}

void sting_t::update() {
    body_t::update();
    run_state();
    if (flash_enabled) {
        flash = g_frame_counter % 4 < 3 ? 1 : 0;
    }
    ++timer;
}

void sting_t::fire_fan(int32_t n, int32_t spread) {
    g_soundctr.request_se(se_fan);
    const float tx = x + tip * cos_table[direction];
    const float ty = y - tip * sin_table[direction];
    for (int32_t k = 0; k < n; ++k) {
        const size_t i = next_idle_around(heads, next_head);
        if (i == heads.size()) {
            return;
        }
        launch(heads[i], tx, ty, wrap64(direction - (n - 1) * spread + 2 * spread * k), fan_speed);
        next_head = i + 1;
    }
}

void sting_t::fire_bolt() {
    g_soundctr.request_se(se_bolt);
    const size_t i = next_idle(bolts, 0);
    if (i == bolts.size()) {
        return;
    }
    const float bx = x + bolt_tip * cos_table[direction];
    const float by = y - bolt_tip * sin_table[direction];
    launch(bolts[i], bx, by, direction, bolt_speed);
    emit_spark(bx, by, direction);
}

void sting_t::fire_homer(int32_t e) {
    const size_t i = next_idle(homers, 0);
    if (i == homers.size()) {
        return;
    }
    launch(homers[i], x + tip * cos_table[direction], y - tip * sin_table[direction], e, homers[i]->speed);
}

void sting_t::throw_ball() {
    const size_t i = next_idle(balls, 0);
    if (i == balls.size()) {
        return;
    }
    stingball_t* ball = balls[i];
    ball->direction = wrap64(direction + rng::rand() / 3641 - 4);
    ball->speed = ball_speed + ball_speed_step * float(rng::rand() / 2979);
    ball->set_position(x + tip * cos_table[direction], y - tip * sin_table[direction]);
    ball->start();
}

void sting_t::emit_spark(float at_x, float at_y, int32_t e) {
    const size_t i = next_idle(sparks, 0);
    if (i == sparks.size()) {
        return;
    }
    stingspark_t* spark = sparks[i];
    spark->set_position(at_x, at_y);
    spark->direction = wrap64(e + spark->offset);
    spark->start();
}

void sting_t::emit_smoke(float at_x, float at_y, int32_t e) {
    if (g_frame_counter - last_smoke_frame <= smoke_gap) {
        return;
    }
    const size_t i = next_idle(smokes, 0);
    if (i == smokes.size()) {
        return;
    }
    stingsmoke_t* smoke = smokes[i];
    smoke->set_position(at_x, at_y);
    smoke->direction = wrap64(e + smoke->offset);
    smoke->speed = 1;
    smoke->vx = cos_table[smoke->direction];
    smoke->vy = -sin_table[smoke->direction];
    smoke->period = smoke_period;
    smoke->start();
    last_smoke_frame = g_frame_counter;
}

} // namespace scorpion001
