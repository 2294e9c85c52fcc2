// Boss004's core with its opening, laser sweep, spare life and bonus, its shields and its covers.
#include "bosses/boss004/boss004_body.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t open = 1;
constexpr int32_t waiting = 100;
constexpr int32_t opening = 101;
constexpr int32_t sweep_start = 500;
constexpr int32_t sweep_centre = 501;
constexpr int32_t sweep_first = 510;
constexpr int32_t sweep_round = 550;
constexpr int32_t sweep_down = 560;
constexpr int32_t sweep_up = 561;
constexpr int32_t sweep_back = 570;
constexpr int32_t centre = 32;
constexpr int32_t sweep_rounds = 5;
constexpr float opening_x = 128;
constexpr int32_t open_pattern = 7;
constexpr float laser_speed = 3.0f;
constexpr int32_t spare_life_hit = 9999;
constexpr uint32_t bonus_frames = 2500;
constexpr int32_t body_dying = 1000;

constexpr int32_t se_laser = 31;
constexpr int32_t se_hit = 47;
constexpr int32_t se_cover_or_core = 38;
constexpr int32_t se_core_destroyed = 57;
constexpr int32_t se_shield_destroyed = 7;

} // namespace

namespace boss004 {

void core_t::update() {
    bool firing = false;
    while (run_state(firing)) {
    }
    const int32_t level = difficulty_level();
    const uint32_t pace = level == 1 ? 8 : level <= 4 ? 4 : 2;
    if (firing && g_frame_counter % pace == 0) {
        fire_laser();
    }
    ++frame_count;
    ++state_timer;
}

bool core_t::run_state(bool& firing) {
    const uint32_t t = state_timer;
    int32_t& direction = cover->direction;
    switch (state) {
    case 0:
        direction = centre;
        break;
    case waiting:
        return x >= opening_x && enter_phase(state, state_timer, opening);
    case opening:
        if (t % 4 == 0) {
            if (pattern + 1 > open_pattern) {
                return enter_phase(state, state_timer, open);
            }
            ++pattern;
        }
        break;
    case sweep_start:
        sweep_count = 0;
        return enter_phase(state, state_timer, sweep_centre);
    case sweep_centre:
        if (direction == centre) {
            return enter_phase(state, state_timer, sweep_first);
        }
        direction = turn_direction(direction, centre, 1);
        break;
    case sweep_first:
        if (t >= 16) {
            return enter_phase(state, state_timer, sweep_round);
        }
        firing = true;
        direction = wrap64(direction + (t % 2 == 0 ? 1 : 0));
        break;
    case sweep_round:
        ++sweep_count;
        return enter_phase(state, state_timer, sweep_count < sweep_rounds ? sweep_down : sweep_back);
    case sweep_down:
    case sweep_up:
        if (t >= 32) {
            return enter_phase(state, state_timer, state == sweep_down ? sweep_up : sweep_round);
        }
        firing = true;
        if (t % 2 == 0) {
            direction = wrap64(direction + (state == sweep_down ? -1 : 1));
        }
        break;
    case sweep_back:
        if (direction == centre) {
            return enter_phase(state, state_timer, open);
        }
        if (t % 4 == 0) {
            direction = turn_direction(direction, centre, 1);
        }
        break;
    default:
        break;
    }
    cover->pattern = direction;
    return false;
}

void core_t::fire_laser() {
    const size_t i = next_idle(lasers, 0);
    if (i == lasers.size()) {
        return;
    }
    launch(lasers[i], x, y, cover->direction, laser_speed);
    g_soundctr.request_se(se_laser);
}

void core_t::damage(int32_t n) {
    if (pattern < open_pattern) {
        return;
    }
    if (n >= hp && cover->alive) {
        start();
        cover->enemy_t::damage(spare_life_hit);
        g_soundctr.request_se(se_cover_or_core);
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
    if (g_frame_counter % 8 == 0) {
        const float at[2] = {x - 4, y};
        spawn_sparks(at, 1);
    }
    if (!alive) {
        g_soundctr.request_se(se_core_destroyed);
        g_soundctr.request_se(se_cover_or_core);
        enter_phase(body->phase, body->phase_timer, body_dying);
        if (difficulty_level() >= 3) {
            fire_aimed_bullet(position());
        }
    }
}

int32_t core_t::bonus() {
    return 10 * int32_t(bonus_frames - std::min(frame_count, bonus_frames));
}

void core_shield_t::damage(int32_t n) {
    const bool was_alive = alive != 0;
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
        if (g_frame_counter % 4 == 0) {
            spawn_sparks(position(), 1);
        }
    }
    if (!was_alive || alive) {
        return;
    }
    g_soundctr.request_se(se_shield_destroyed);
    const int32_t level = difficulty_level();
    const float speed = 0.2f * float(level) + 1.0f;
    static constexpr int32_t four[] = {26, 30, 34, 38};
    static constexpr int32_t five[] = {28, 30, 32, 34, 36};
    if (level == 3) {
        for (int32_t d : four) {
            fire_bullet(position(), d, speed);
        }
    } else if (level >= 4) {
        for (int32_t d : five) {
            fire_bullet(position(), d, speed);
        }
    }
}

void core_cover_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    if (explosion != nullptr && explosion->alive) {
        explosion->set_position(new_x, new_y);
    }
}

bool core_cover_t::is_flashing() {
    return core->is_flashing();
}

bool body_cover_t::is_flashing() {
    return core->is_flashing();
}

} // namespace boss004
