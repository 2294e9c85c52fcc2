// The final boss core's bending laser: a head that turns toward the ship's column and drags 12 segments
// along the path it took.
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "player/ship.h"

#include <algorithm>

namespace {

constexpr float laser_speed = 2.0f;
constexpr float middle_row = 128;

} // namespace

namespace melvorin {

void bend_laser_t::start() {
    phase = 0;
    phase_timer = 0;
    trail.fill(x, y, 0);
    for (missile_t* s : segments) {
        s->set_position(x, y);
        s->start();
    }
    missile_t::start();
}

void bend_laser_t::kill() {
    for (missile_t* s : segments) {
        s->kill();
    }
    alive = 0;
    hp = 0;
}

void bend_laser_t::move_x(int32_t d) {
    x += float(d);
    trail.shift(float(d), 0);
}

void bend_laser_t::head(int32_t new_direction) {
    direction = new_direction;
    speed = laser_speed;
    vx = speed * cos_table[direction];
    vy = -speed * sin_table[direction];
}

// A shot's flight: out of bounds its kill takes the segments along.
void bend_laser_t::move() {
    missile_t::update();
}

void bend_laser_t::update() {
    while (run_phase()) {
    }
    trail.push(x, y);
    const size_t n = std::min<size_t>(segments.size(), segment_count);
    for (size_t i = 0; i < n; ++i) {
        if (segments[i]->alive) {
            const poslog_t::entry_t& at = trail.entry(uint32_t(i));
            segments[i]->set_position(at.x, at.y);
            segments[i]->check_bg_hit();
        }
    }
    // The tail's end decides: a laser without its last segment is gone.
    if (n == 0 || !segments[n - 1]->alive) {
        kill();
    }
    ++phase_timer;
}

bool bend_laser_t::run_phase() {
    switch (phase) {
    case 0:
        head(32);
        return enter_phase(phase, phase_timer, 1);
    case 1:
        if (phase_timer < 32) {
            move();
            return false;
        }
        head(y >= middle_row ? 44 : 20);
        return enter_phase(phase, phase_timer, 2);
    case 2:
        if (phase_timer < 20) {
            move();
            return false;
        }
        head(32);
        return enter_phase(phase, phase_timer, 3);
    case 3:
        if (phase_timer < 4) {
            move();
            return false;
        }
        return enter_phase(phase, phase_timer, 4);
    case 4:
        if (g_player_ship != nullptr && g_player_ship->x < x) {
            move();
            return false;
        }
        return enter_phase(phase, phase_timer, 5);
    case 5:
        if (phase_timer < 8) {
            return false;
        }
        head(y >= middle_row ? 16 : 48);
        return enter_phase(phase, phase_timer, 6);
    case 6:
        move();
        return false;
    default:
        return false;
    }
}

} // namespace melvorin
