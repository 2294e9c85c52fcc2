// Bee002's fade-in, glides and fans, its leave and death, and its homing balls.
#include "bosses/bees/bee002.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

enum : int32_t { arm = 0, fade_in = 1, choose = 2, glide = 3, fire = 4, leave = 100 };

constexpr int32_t opaque = 0;
constexpr int32_t invisible = 256;
constexpr int32_t fade_step = 4;
constexpr float glide_dx = 48;
constexpr float glide_dy = 32;
constexpr float glide_limit_x = 240;
constexpr float far_ahead = 128;
constexpr float glide_start_angle = 270;
constexpr float glide_end_angle = 360;
constexpr float glide_step = 4;
constexpr uint32_t fire_frames = 64;
constexpr uint32_t fan_every = 12;
constexpr int32_t fan_by_level[8] = {3, 3, 4, 5, 6, 6, 6, 7};
constexpr int32_t fan_otherwise = 6;
constexpr float ball_speed = 1.5f;
constexpr uint32_t straight_frames = 32;
constexpr uint32_t homing_frames = 256;
constexpr uint32_t turn_every = 8;

constexpr int32_t se_hit = 47;
constexpr int32_t se_killed = 34;
constexpr int32_t se_ball_killed = 48;

} // namespace

namespace bee002 {

void body_t::update() {
    const int32_t x0 = int32_t(x);
    while (run_state()) {
    }
    if (timer % 4 == 0) {
        const int32_t x1 = int32_t(x);
        if (x0 > x1) {
            pattern = std::max(pattern - 1, 0);
        } else if (x0 < x1) {
            pattern = std::min(pattern + 1, 7);
        } else if (pattern > 3) {
            --pattern;
        } else if (pattern < 3) {
            ++pattern;
        }
    }
    ++timer;
}

bool body_t::run_state() {
    const int32_t before = state;
    switch (state) {
    case arm:
        invulnerable = 1;
        state = fade_in;
        break;
    case fade_in:
        if (fade > opaque) {
            fade -= fade_step;
            wing->fade = fade;
        } else {
            state = choose;
        }
        break;
    case choose:
        choose_glide();
        state = glide;
        break;
    case glide:
        if (angle > glide_end_angle) {
            state = fire;
            break;
        }
        {
            const float c = cos_deg(angle);
            const float gx = span_x * c + start_x;
            const float gy = span_y * c + start_y;
            angle += angle_step;
            set_position(gx, gy);
        }
        break;
    case fire:
        if (timer < fire_frames) {
            if (timer % fan_every == 0) {
                fire_fan(g_level >= 1 && g_level <= 8 ? fan_by_level[g_level - 1] : fan_otherwise);
            }
        } else {
            invulnerable = 0;
            state = choose;
        }
        break;
    case leave:
        if (fade < invisible) {
            fade += fade_step;
            wing->fade = fade;
        } else {
            deactivate();
        }
        break;
    default:
        break;
    }
    if (state == before) {
        return false;
    }
    timer = 0;
    return true;
}

void body_t::choose_glide() {
    const float* ship = player_ship_position();
    const float sx = ship != nullptr ? ship[0] : x;
    const float sy = ship != nullptr ? ship[1] : y;
    target_x = std::min(x >= sx + far_ahead ? x - glide_dx : x + glide_dx, glide_limit_x);
    target_y = y <= sy ? y + glide_dy : y - glide_dy;
    start_x = x;
    start_y = y;
    span_x = target_x - x;
    span_y = target_y - y;
    angle = glide_start_angle;
    angle_step = glide_step;
}

void body_t::fire_fan(int32_t n) {
    int32_t d = 32 - 2 * (n - 1);
    size_t i = 0;
    for (int32_t k = 0; k < n; ++k, ++i) {
        while (i < balls.size() &&
               (balls[i]->alive || (balls[i]->explosion != nullptr && balls[i]->explosion->alive))) {
            ++i;
        }
        if (i == balls.size()) {
            return;
        }
        ball_t* ball = balls[i];
        ball->set_position(x, y);
        ball->direction = d;
        ball->speed = ball_speed;
        ball->pattern = d;
        ball->start();
        d = (d + 4) & 63;
    }
}

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    wing->set_position(new_x + 16, new_y - 12);
}

void body_t::start() {
    state = arm;
    timer = 0;
    fade = invisible;
    wing->fade = invisible;
    wing->start();
    object_t::start();
}

void body_t::kill() {
    piveter_t::kill();
    wing->kill();
}

void body_t::damage(int32_t n) {
    if (g_frame_counter % 8 == 0) {
        spawn_sparks(position(), 1);
    }
    if (invulnerable) {
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
    if (!alive) {
        g_soundctr.request_se(se_killed);
    }
}

void body_t::deactivate() {
    alive = 0;
    hp = 0;
    wing->alive = 0;
    wing->hp = 0;
}

void wing_t::start() {
    fade = invisible;
    object_t::start();
}

bool wing_t::is_flashing() {
    return body->is_flashing();
}

void ball_t::update() {
    if (state == 0 && timer >= straight_frames) {
        state = 1;
        timer = 0;
    }
    if (state == 1) {
        if (timer < homing_frames) {
            if (timer % turn_every == 0) {
                turn_to_ship();
            }
            pattern = direction;
        } else {
            state = 2;
            timer = 0;
        }
    }
    set_position(x + speed * cos_table[direction], y - speed * sin_table[direction]);
    if (x < -16 || x >= 272 || y < -16 || y >= 272) {
        alive = 0;
        hp = 0;
    } else if (terrain_layer0_at(int32_t(x), int32_t(y))) {
        kill();
    } else {
        ++timer;
    }
}

void ball_t::turn_to_ship() {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    const int32_t diff = direction_to(position(), ship) - direction;
    if (diff == 0) {
        return;
    }
    const int32_t p = diff > 0 ? diff : diff + 64;
    const int32_t q = diff > 0 ? diff - 64 : diff;
    const int32_t turn = p > -q ? q : p;
    direction = (direction + (turn > 0 ? 1 : -1)) & 63;
}

void ball_t::start() {
    state = 0;
    timer = 0;
    object_t::start();
}

void ball_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_ball_killed);
    }
}

} // namespace bee002
