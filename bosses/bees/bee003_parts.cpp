// Bee003's wing, balls, tail lasers and reflecting lasers.
#include "bosses/bees/bee003.h"

#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t leaving = 1000;
constexpr float ball_speed = 2;
constexpr int32_t se_ball_killed = 66;
constexpr int32_t turn_level = 5;
constexpr float follow_gap = 12;

enum : int32_t {
    launched = 0,
    leading = 100,
    wait_up = 110,
    rising = 111,
    wait_down = 120,
    sinking = 121,
    following = 200,
};

} // namespace

namespace bee003 {

void wing_t::update() {
    pattern = body->phase < leaving ? (pattern + 1) & 1 : 0;
}

void ball_t::update() {
    if (x >= -32 && x < 288 && y >= -32 && y < 288) {
        set_position(x + ball_speed * cos_table[direction], y - ball_speed * sin_table[direction]);
    } else {
        kill();
    }
}

void ball_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_ball_killed);
    }
}

void tail_laser_t::update() {
    bool changed = false;
    while (run_state()) {
        changed = true;
    }
    if (!changed) {
        ++state_timer;
    }
    if (next == nullptr && alive && !is_in_bounds()) {
        kill();
    }
}

bool tail_laser_t::run_state() {
    const int32_t before = state;
    const float* ship = player_ship_position();
    switch (state) {
    case launched:
        state = prev == nullptr ? leading : following;
        break;
    case leading:
        if (difficulty_level() >= turn_level && state_timer > 7 && ship != nullptr && x <= ship[0]) {
            state = y <= ship[1] ? wait_down : wait_up;
        } else {
            x -= speed;
        }
        break;
    case wait_up:
    case wait_down:
        if (state_timer > 3) {
            state = state + 1;
        }
        break;
    case rising:
        y -= speed;
        if (y < 16) {
            alive = 0;
            hp = 0;
        }
        break;
    case sinking:
        y += speed;
        if (y >= 240) {
            alive = 0;
            hp = 0;
        }
        break;
    case following:
        if (x - prev->x >= follow_gap) {
            x -= speed;
        } else if (y != prev->y) { // in the same row it keeps its gap
            if (int32_t(x) <= int32_t(prev->x)) {
                state = prev->y >= y ? sinking : rising;
            } else {
                x -= speed;
            }
        }
        break;
    default:
        break;
    }
    if (state == before) {
        return false;
    }
    state_timer = 0;
    return true;
}

void tail_laser_t::start() {
    state = launched;
    state_timer = 0;
    object_t::start();
    if (next != nullptr) {
        next->speed = speed;
        next->vx = speed * cos_table[next->direction & 63];
        next->vy = -speed * sin_table[next->direction & 63];
        next->set_position(x, y);
        next->start();
    }
}

void tail_laser_t::kill() {
    object_t::kill();
    if (prev != nullptr) {
        prev->kill();
    }
}

void reflex_laser_t::start() {
    object_t::start();
    if (next != nullptr) {
        next->start();
    }
}

void reflex_laser_t::kill() {
    object_t::kill();
    if (next != nullptr) {
        next->kill();
    }
}

void reflex_laser_head_t::update() {
    trail.push(x, y);
    if (terrain_layer0_at(int32_t(x), int32_t(y))) {
        direction = (64 - direction) & 63;
        vx = speed * cos_table[direction];
        vy = -speed * sin_table[direction];
    }
    x += vx;
    y += vy;
    reflex_laser_t* last = this;
    uint32_t k = 1;
    for (reflex_laser_t* segment = next; segment != nullptr; segment = segment->next, ++k) {
        const poslog_t::entry_t& at = trail.entry(k);
        segment->set_position(at.x, at.y);
        last = segment;
    }
    if (!last->is_in_bounds()) {
        kill();
    }
}

void reflex_laser_head_t::start() {
    trail.fill(x, y, 0);
    reflex_laser_t::start();
}

} // namespace bee003
