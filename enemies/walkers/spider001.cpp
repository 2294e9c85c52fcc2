// The spider001's behaviour: dropping onto the terrain, walking on stepping feet, legs laid out as a
// thigh and a curved shin, eggs lobbed at the ship, hits passed to the body and the death of every part.
#include "enemies/walkers/spider001.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <cmath>

namespace spider001 {

namespace {

constexpr int32_t se_egg = 31;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 91;
constexpr int32_t pulse = 3;
constexpr int32_t thigh_links = 8;
constexpr int32_t shin_links = 12;
constexpr float probe_reach = 8;
constexpr float drop_step = 8;
constexpr float step_reach = 14;
constexpr float step_rise = 20;
constexpr float look_ahead = 16;
constexpr float scan_step = 4;
constexpr float stand_height = 20;
constexpr float shake = 2;
constexpr float settle_step = 1.2f;
constexpr uint32_t attack_frames = 128;
constexpr uint32_t walk_frames = 80;
// The feet's stance around the body, and how far each may fall behind before it steps.
constexpr float stance_dx[4] = {-40, -20, 20, 40};
constexpr float stance_dy[4] = {40, 60, 60, 40};
constexpr float behind_left[4] = {-30, -10, 30, 60};
constexpr float behind_right[4] = {-60, -30, 10, 30};

} // namespace

bool probe_solid(float px, float py) {
    if (py < 0 || py >= 256) {
        return true;
    }
    return terrain_layer0_at(int32_t(px), int32_t(py));
}

void leg_t::update() {
    if (pattern > 0 && g_frame_counter % 2 == 0) {
        if (pattern-- == pulse && prev != nullptr) {
            prev->pattern = pulse;
        }
    }
}

void leg_t::kill() {
    enemy_t::kill();
    const int32_t level = difficulty_level();
    if (level >= 8 || (level >= 6 && explosion != nullptr)) {
        fire_aimed_bullet(position());
    }
}

void leg_t::damage(int32_t n) {
    body->damage(n);
    if (pattern == 0) {
        pattern = pulse;
    }
}

void foot_t::move_x(int32_t d) {
    x += float(d);
    apex_x += float(d);
}

void foot_t::move_y(int32_t d) {
    y += float(d);
    apex_y += float(d);
}

void foot_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    apex_y = wrapped_y(apex_y, d);
}

void foot_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    airborne = probe_solid(x, ceiling != 0 ? y - probe_reach : y + probe_reach) ? 0 : 1;
}

void foot_t::damage(int32_t n) {
    body->damage(n);
}

void foot_t::step(float dx) {
    if (!airborne) {
        apex_x = dx > 0 ? x + step_reach : x - step_reach;
        apex_y = ceiling != 0 ? y + step_rise : y - step_rise;
        const float k = std::trunc(x - apex_x);
        const float h = std::trunc(y - apex_y);
        curve = k == 0 ? h : h / (k * k);
    }
    const float nx = x + dx;
    set_position(nx, (nx - apex_x) * (nx - apex_x) * curve + apex_y);
}

void egg_t::update() {
    missile_t::update();
    if (timer % 4 == 0) {
        pattern = (pattern + 1) & 3;
    }
    ++timer;
}

void egg_t::start() {
    timer = 0;
    missile_t::start();
}

void body_t::kill() {
    g_soundctr.request_se(se_destroyed);
    enemy_t::kill();
    for (size_t slot = 0; slot < feet.size(); ++slot) {
        feet[slot]->kill();
        for (leg_t* link = legs[slot]; link != nullptr; link = link->next) {
            if (link->alive) {
                link->enemy_t::damage(9999);
            }
        }
    }
}

void body_t::damage(int32_t n) {
    if (state == 0 || state == 1 || state == 50) {
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

void body_t::stand() {
    for (size_t slot = 0; slot < feet.size(); ++slot) {
        feet[slot]->set_position(x + stance_dx[slot], y + down() * stance_dy[slot]);
    }
}

bool body_t::drop() {
    bool moved = false;
    if (!probe_solid(x, y + down() * probe_reach)) {
        y += down() * drop_step;
        moved = true;
    }
    for (foot_t* foot : feet) {
        if (foot->airborne) {
            foot->set_position(foot->x, foot->y + down() * drop_step);
            moved = true;
        }
    }
    if (moved) {
        place_legs();
    }
    return moved;
}

void body_t::update() {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    if (!act(ship)) {
        ++timer;
    }
}

bool body_t::go(int32_t next) {
    state = next;
    timer = 0;
    return true;
}

bool body_t::act(const float* ship) {
    switch (state) {
    case 0:
        stand();
        return go(1);
    case 1:
        return drop() ? false : go(50);
    case 50:
        if (x <= 160) {
            return go(51);
        }
        walk(-1.0f);
        return false;
    case 51:
    case 201:
        return settle(-settle_step) ? false : go(150);
    case 251:
        return settle(settle_step) ? false : go(150);
    case 100:
        if (ship[0] < x - 40) {
            return go(200);
        }
        return go(ship[0] >= x + 40 ? 250 : 150);
    case 150:
        if (timer >= attack_frames) {
            return go(100);
        }
        if (timer % 64 < uint32_t(std::max(16, 8 * difficulty_level()))) {
            if (timer % 8 == 0) {
                fire_egg(ship);
            }
            x += timer % 8 < 4 ? shake : -shake;
            place_legs();
        }
        return false;
    case 200:
        if (timer >= walk_frames || x < 16) {
            return go(201);
        }
        walk(-1.0f);
        return false;
    case 250:
        if (timer >= walk_frames || x >= 240) {
            return go(251);
        }
        walk(1.0f);
        return false;
    default:
        return false;
    }
}

void body_t::walk(float dx) {
    const float ahead = dx >= 0 ? x + look_ahead : x - look_ahead;
    float ground = y;
    while (!probe_solid(ahead, ground)) {
        ground += down() * scan_step;
    }
    const float target[2] = {ahead, ground - down() * stand_height};
    const int32_t d = direction_to(position(), target);
    x += std::fabs(dx) * cos_table[d];
    y -= std::fabs(dx) * sin_table[d];
    const float stride = 2 * dx;
    for (size_t slot = 0; slot < feet.size(); ++slot) {
        foot_t* foot = feet[slot];
        bool moves = foot->airborne != 0;
        if (!moves) {
            const auto standing =
                std::count_if(feet.begin(), feet.end(), [](foot_t* f) { return !f->airborne; });
            const float r = foot->x - x;
            moves = standing > 1 && (stride < 0 ? r >= behind_left[slot] : r <= behind_right[slot]);
        }
        if (moves) {
            foot->step(stride);
        }
    }
    place_legs();
}

bool body_t::settle(float dx) {
    bool any = false;
    for (foot_t* foot : feet) {
        if (foot->airborne) {
            any = true;
            foot->step(dx);
        }
    }
    place_legs();
    return any;
}

void body_t::place_legs() {
    for (size_t slot = 0; slot < legs.size(); ++slot) {
        place_leg(slot);
    }
}

// A straight thigh from the body to the knee, then a shin on a parabola from the knee towards the foot.
void body_t::place_leg(size_t slot) {
    const foot_t* foot = feet[slot];
    const float kx = x + 0.3f * (foot->x - x);
    const float ky = ceiling != 0 ? std::min(std::max(foot->y + 32, y), y + 28)
                                  : std::max(std::min(foot->y - 32, y), y - 28);
    const float span = foot->x - kx;
    const float c = span == 0 ? foot->y - ky : (foot->y - ky) / (span * span);
    leg_t* link = legs[slot];
    for (int32_t j = 0; j < thigh_links && link != nullptr; ++j, link = link->next) {
        const float t = float(j) / float(thigh_links);
        link->set_position(x + t * (kx - x), y + t * (ky - y));
    }
    for (int32_t j = 0; j < shin_links && link != nullptr; ++j, link = link->next) {
        const float lx = kx + float(j) * span / float(shin_links);
        link->set_position(lx, (lx - kx) * (lx - kx) * c + ky);
    }
}

void body_t::fire_egg(const float* ship) {
    const int32_t aim = direction_to(position(), ship);
    const int32_t r = rng::rand();
    const size_t i = next_idle(eggs, 0);
    if (i < eggs.size()) {
        launch(eggs[i], x, y, (aim + r / 3641 - 4) & 63, 1.0f + 0.02f * float(difficulty_level() - 1));
    }
    g_soundctr.request_se(se_egg);
}

} // namespace spider001
