// The scorpion's claw: it bobs beside the chest, glides in eased moves to the ship's height and back, and
// fires its lasers to the left; its lasers fly straight with their muzzle flash.
#include "bosses/scorpion/limbs.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float reach_x = 40;
constexpr float rest_dy = 28;
constexpr float reach_y = 40;
constexpr float bob_height = 3;
constexpr int32_t bob_step = 2;
constexpr float laser_speed = 3.0f;
constexpr int32_t laser_direction = 32;
constexpr float laser_leave_x = -16;
constexpr float recoil = 7;
constexpr int32_t se_laser = 16;
constexpr float muzzle_dx[2] = {-25, -20};
constexpr float muzzle_dy[2] = {-5, 10};

} // namespace

namespace scorpion001 {

void hand_laser_t::update() {
    x -= speed;
    if (x < laser_leave_x) {
        kill();
    } else if (effect != nullptr && effect->alive) {
        effect->set_position(x, y);
    }
}

void hand_t::move_x(int32_t d) {
    x += float(d);
    x0 += float(d);
    x1 += float(d);
}

void hand_t::start_move(float to_x, float to_y, float degrees) {
    const float ay = anchor->y;
    done = 0;
    x0 = x;
    y0 = y;
    x1 = to_x;
    y1 = std::clamp(to_y, ay - reach_y, ay + reach_y);
    half_dx = (x1 - x0) / 2;
    half_dy = (y1 - y0) / 2;
    angle = 180.0f;
    step = degrees;
}

bool hand_t::step_move() {
    if (angle > 360) {
        done = 1;
        return false;
    }
    const float c = cos_deg(angle);
    angle += step;
    x = x0 + half_dx * (1 + c);
    y = y0 + half_dy * (1 + c);
    return true;
}

void hand_t::fire_laser(int32_t kind) {
    g_soundctr.request_se(se_laser);
    const size_t i = next_idle(lasers, 0, true);
    if (i == lasers.size()) {
        return;
    }
    hand_laser_t* laser = lasers[i];
    const float at_x = x + muzzle_dx[kind];
    const float at_y = y + muzzle_dy[kind];
    laser->start_effect_at(at_x, at_y);
    laser->pattern = 0;
    launch(laser, at_x, at_y, laser_direction, laser_speed);
}

void hand_t::update() {
    if (owner != nullptr && !owner->alive) {
        kill();
        return;
    }
    run_phase();
    ++phase_frame;
}

void hand_t::go(int32_t next) {
    phase = next;
    phase_frame = 0;
    run_phase();
}

void hand_t::run_phase() {
    const float ax = anchor->x;
    const float ay = anchor->y;
    const float* ship = player_ship_position();
    const float ship_y = ship != nullptr ? ship[1] : ay;
    switch (phase) {
    case 0:
        if (phase_frame == 0) {
            bob = 0;
        }
        x = ax - reach_x;
        y = ay + rest_dy + bob_height * sin_table_deg[bob];
        bob = (bob + bob_step) % 360;
        break;
    case 1:
        x = ax - reach_x;
        break;
    case 2: {
        const int32_t d = int32_t(ax - x);
        if (d == int32_t(reach_x)) {
            go(1);
        } else {
            x += d < int32_t(reach_x) ? -1.0f : 1.0f;
        }
        break;
    }
    case 100:
        start_move(ax - reach_x, ay + rest_dy, 4.0f);
        go(101);
        break;
    case 200:
        start_move(ax - reach_x, ship_y + 6, 8.0f);
        go(201);
        break;
    case 210:
        start_move(ax - reach_x, ship_y - 10, 8.0f);
        go(211);
        break;
    case 300:
        start_move(ax - reach_x, ay + reach_y, 4.0f);
        go(301);
        break;
    case 400:
        start_move(ax - reach_x, ay + reach_y, 1.0f);
        go(401);
        break;
    case 101:
    case 201:
    case 211:
    case 301:
    case 401:
        if (!step_move()) {
            go(phase == 101 ? 0 : (phase == 301 || phase == 401) ? 2 : 1);
        }
        break;
    case 250:
    case 251:
        if (phase_frame <= 12 && phase_frame % 4 == 0) {
            fire_laser(phase - 250);
            x += recoil;
        } else {
            x = float(std::max(int32_t(x - 1), int32_t(ax - reach_x)));
        }
        break;
    default:
        break;
    }
}

} // namespace scorpion001
