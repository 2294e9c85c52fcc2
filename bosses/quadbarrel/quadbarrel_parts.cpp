// The quad-barrel's core (shut, then open with its missile fans, the only part that can be hurt), its
// straight lasers, core missiles and bending lasers.
#include "bosses/quadbarrel/quadbarrel.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr uint32_t shut_frames = 96;
constexpr int32_t open_pattern = 7;
constexpr uint32_t fan_interval = 32;
constexpr int32_t fan_level = 5;
constexpr int32_t fan_size = 4;
constexpr float missile_speed = 1.5f;
constexpr int32_t revenge_level = 4;
constexpr int32_t knocked_phase = 5000;
constexpr float laser_speed = 3;
constexpr float laser_left = -16;
constexpr float laser_right = 272;
constexpr float bend_speed = 2.5f;
constexpr uint32_t run_frames = 31;
constexpr uint32_t halt_frames = 11;
constexpr int32_t se_bend = 49;
constexpr int32_t se_core_hit = 47;
constexpr int32_t se_core_destroyed = 57;

enum : int32_t { shut = 0, open = 1 };
enum : int32_t { running = 0, halting = 1, homing = 2 };

} // namespace

namespace quadbarrel {

void core_t::update() {
    if (phase == shut) {
        if (pattern + 1 < 8 && phase_timer >= shut_frames && phase_timer % 4 == 0) {
            ++pattern;
        }
        if (pattern == open_pattern) {
            invulnerable = 0;
            phase = open;
            phase_timer = 0;
        }
    }
    if (phase == open && difficulty_level() >= fan_level && phase_timer % fan_interval == 0) {
        fire_missile_fan(fan_size);
    }
    ++phase_timer;
}

void core_t::damage(int32_t n) {
    if (n == 0 || invulnerable) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_core_hit);
    if (g_frame_counter % 8 == 0) {
        const float at[2] = {x - 4, y};
        spawn_sparks(at, 1);
    }
    if (!alive) {
        g_soundctr.request_se(se_core_destroyed);
        body->phase = knocked_phase;
        body->phase_timer = 0;
        if (difficulty_level() >= revenge_level) {
            fire_aimed_bullet(position());
        }
    }
}

void core_t::fire_missile_fan(int32_t n) {
    int32_t direction = wrap64(33 - n);
    for (int32_t k = 0; k < n; ++k) {
        const size_t i = next_idle_around(missiles, next_missile);
        if (i == missiles.size()) {
            return;
        }
        launch(missiles[i], x, y, direction, missile_speed);
        next_missile = i + 1;
        direction = wrap64(direction + 2);
    }
}

void core_missile_t::update() {
    missile_t::update();
    pattern = (pattern + 2) & 31;
}

void core_missile_t::start() {
    pattern = 0;
    alive = 1;
    hp = max_hp();
}

void laser_t::start() {
    y_offset = y - owner->y;
    alive = 1;
    hp = max_hp();
}

void laser_t::update() {
    set_position(x - laser_speed, owner->y + y_offset);
    if (x < laser_left || x >= laser_right) {
        kill();
    }
}

void bend_laser_head_t::start() {
    trail.fill(x, y, 0);
    phase = running;
    phase_timer = 0;
    alive = 1;
    hp = max_hp();
    uint32_t k = 0;
    for (bend_laser_t* s = next; s != nullptr; s = s->next) {
        const poslog_t::entry_t& at = trail.entry(k++);
        s->set_position(at.x, at.y);
        s->start();
    }
}

void bend_laser_head_t::update() {
    trail.push(x, y);
    if (phase == running) {
        if (phase_timer > run_frames) {
            phase = halting;
            phase_timer = 0;
            update();
            return;
        }
        g_soundctr.request_se(se_bend);
        x -= bend_speed;
    } else if (phase == halting) {
        if (phase_timer == 0) {
            const float* ship = player_ship_position();
            if (ship != nullptr) {
                direction = direction_to(position(), ship);
            }
        }
        if (phase_timer > halt_frames) {
            phase = homing;
            phase_timer = 0;
            update();
            return;
        }
    } else {
        x += bend_speed * cos_table[direction];
        y -= bend_speed * sin_table[direction];
    }
    bool shown = false;
    uint32_t k = 0;
    for (bend_laser_t* s = next; s != nullptr; s = s->next) {
        const poslog_t::entry_t& at = trail.entry(k++);
        s->set_position(at.x, at.y);
        shown = shown || s->is_in_bounds();
    }
    if (!shown) {
        kill_chain();
    }
    ++phase_timer;
}

void bend_laser_head_t::kill_chain() {
    kill();
    for (bend_laser_t* s = next; s != nullptr; s = s->next) {
        s->kill();
    }
}

void bend_laser_head_t::move_x(int32_t d) {
    x += float(d);
    trail.shift(float(d), 0);
}

void bend_laser_head_t::move_y(int32_t d) {
    y += float(d);
    trail.shift(0, float(d));
}

void bend_laser_head_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    for (uint32_t k = 0; k < trail.length; ++k) {
        poslog_t::entry_t& at = trail.entry(k);
        at.y = wrapped_y(at.y, d);
    }
}

} // namespace quadbarrel
