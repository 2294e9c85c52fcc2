// The quad-barrel body's script: the entry glide with the scroll held, the eased moves toward the ship
// with their lasers, the exit, and the knock-back and piecewise death after the core's.
#include "bosses/quadbarrel/quadbarrel.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t event_hold = 389;
constexpr float entry_speed = 2.5f;
constexpr float entry_brake = 0.04f;
constexpr float exit_speed = 2.5f;
constexpr float exit_acceleration = 0.05f;
constexpr float knock_back_speed = 3.0f;
constexpr float knock_back_brake = 0.1f;
constexpr float creep = 0.5f;
constexpr float creep_limit = 192;
constexpr float leave_x = -64;
constexpr float min_reach = 4;
constexpr float track_step_degrees = 4;
constexpr uint32_t moves = 8;
constexpr uint32_t move_pause = 24;
constexpr uint32_t last_volley_frames = 256;
constexpr uint32_t bend_volley_interval = 48;
constexpr uint32_t exit_wait = 32;
constexpr uint32_t blasts_from = 31;
constexpr uint32_t blast_interval = 8;
constexpr uint32_t blasts_until = 192;
constexpr int32_t laser_level = 2;
constexpr int32_t bullet_level = 3;
constexpr int32_t se_laser = 45;
constexpr int32_t se_destroyed = 1;

enum : int32_t {
    enter = 0,
    glide_in = 1,
    aim = 2,
    move = 3,
    straighten = 4,
    bend_volley = 5,
    between_moves = 6,
    aim_last = 7,
    move_last = 8,
    last_volleys = 9,
    waiting = 10,
    leave = 50,
    glide_out = 51,
    fly_off = 52,
    knocked = 5000,
    knock_back = 5001,
    blasts = 6000,
    destroyed = 6001,
    gone = 6002,
};

} // namespace

namespace quadbarrel {

void body_t::update() {
    run_phase();
    ++phase_timer;
}

void body_t::go(int32_t next_phase) {
    phase = next_phase;
    phase_timer = 0;
    run_phase();
}

void body_t::run_phase() {
    switch (phase) {
    case enter:
        post_event(event_hold, 1);
        glide_speed = entry_speed;
        go(glide_in);
        break;
    case glide_in:
        if (glide_speed > 0) {
            set_position(x - glide_speed, y);
            glide_speed -= entry_brake;
        } else {
            glide_speed = 0;
            go(aim);
        }
        break;
    case aim:
    case aim_last:
        track_start();
        go(phase + 1);
        break;
    case move:
    case move_last:
        if (track_step()) {
            if (difficulty_level() >= laser_level && phase_timer <= 8 && phase_timer % 4 == 0) {
                fire_laser_pair();
            }
        } else {
            go(phase == move ? straighten : last_volleys);
        }
        break;
    case straighten:
        if (tilt != 0 && phase_timer % 4 == 0) {
            tilt_toward(0);
        }
        if (tilt == 0) {
            go(bend_volley);
        }
        break;
    case bend_volley:
        fire_bend_lasers();
        go(between_moves);
        break;
    case between_moves:
        if (phase_timer >= move_pause) {
            if (++repeat < moves) {
                go(aim);
            } else {
                repeat = 0;
                go(aim_last);
            }
        }
        break;
    case last_volleys:
        if (phase_timer < last_volley_frames) {
            if (phase_timer % 4 == 0 && tilt != 0) {
                tilt_toward(0);
            }
            if (phase_timer % bend_volley_interval == 0) {
                fire_bend_lasers();
            }
        } else {
            go(waiting);
        }
        break;
    case waiting:
        if (phase_timer >= exit_wait) {
            go(leave);
        }
        break;
    case leave:
        glide_speed = 0;
        post_event(event_hold, 0);
        go(glide_out);
        break;
    case glide_out:
        set_position(x - glide_speed, y);
        if (glide_speed < exit_speed) {
            glide_speed += exit_acceleration;
        } else {
            glide_speed = exit_speed;
            go(fly_off);
        }
        break;
    case fly_off:
        set_position(x - glide_speed, y);
        if (x < leave_x) {
            // It escapes: no explosion, score or item.
            core->alive = 0;
            core->hp = 0;
            alive = 0;
            hp = 0;
        }
        break;
    case knocked:
        glide_speed = knock_back_speed;
        post_event(event_hold, 0);
        go(knock_back);
        break;
    case knock_back:
        set_position(x + glide_speed, y);
        glide_speed -= knock_back_brake;
        if (glide_speed < 0) {
            go(blasts);
        }
        break;
    case blasts:
        if (phase_timer < blasts_until) {
            if (phase_timer > blasts_from && phase_timer % blast_interval == 0) {
                next_death_explosion();
            }
        } else {
            go(destroyed);
        }
        break;
    case destroyed:
        blow_up();
        // Dead now: a second kill would score and drop the item again.
        phase = gone;
        break;
    default:
        break;
    }
}

void body_t::track_start() {
    motion_done = 0;
    const float* ship = player_ship_position();
    motion_start[0] = x;
    motion_start[1] = y;
    motion_target[0] = ship != nullptr ? ship[0] : x;
    motion_target[1] = ship != nullptr ? ship[1] : y;
    const float dy = motion_target[1] - y;
    const float reach = std::min(std::max(std::fabs(dy), min_reach), float(4 * difficulty_level() + 12));
    // Level with the ship counts as below it.
    motion_amp[0] = 0;
    motion_amp[1] = (dy < 0 ? -reach : reach) / 2;
    motion_angle = 180;
    motion_step = track_step_degrees;
}

bool body_t::track_step() {
    const float* ship = player_ship_position();
    const float new_x = ship == nullptr || ship[0] >= x ? x : std::max(x - creep, creep_limit);
    if (motion_angle > 360) {
        motion_done = 1;
        return false;
    }
    const float a = motion_amp[1];
    const float new_y = motion_start[1] + a + a * cos_deg(motion_angle);
    motion_angle += motion_step;
    set_position(new_x, new_y);
    if (phase_timer % 4 == 0) {
        tilt_toward(new_y < motion_start[1] ? 1 : new_y > motion_start[1] ? -1 : 0);
    }
    return true;
}

void body_t::tilt_toward(int32_t d) {
    if (d > 0) {
        tilt = std::min(tilt + 1, 3);
    } else if (d < 0) {
        tilt = std::max(tilt - 1, -3);
    } else {
        tilt -= (tilt > 0) - (tilt < 0);
    }
    pattern = tilt & 7;
}

void body_t::fire_laser_pair() {
    size_t next = 0;
    for (const float dy : {-28.0f, 28.0f}) {
        next = next_idle(lasers, next);
        if (next == lasers.size()) {
            break;
        }
        laser_t* laser = lasers[next++];
        laser->set_position(x - 36, y + dy);
        laser->start_effect_at(x - 36, y + dy);
        laser->start();
    }
    g_soundctr.request_se(se_laser);
}

void body_t::fire_bend_lasers() {
    size_t next = 0;
    for (const float dy : {-12.0f, 12.0f}) {
        next = next_idle(bend_lasers, next);
        if (next == bend_lasers.size()) {
            break;
        }
        bend_laser_head_t* head = bend_lasers[next++];
        head->set_position(x - 20, y + dy);
        head->start();
    }
}

void body_t::next_death_explosion() {
    std::vector<mul_explosion_t::data_t>& entries = death_explosions.entries;
    if (entries.empty()) {
        return;
    }
    const mul_explosion_t::data_t& entry = entries[size_t(death_explosions.next)];
    if (entry.explosion->alive) {
        return;
    }
    entry.explosion->set_position(float(int32_t(x) + entry.dx), float(int32_t(y) + entry.dy));
    entry.explosion->start();
    death_explosions.next = (death_explosions.next + 1) % int32_t(entries.size());
    if (difficulty_level() >= bullet_level) {
        fire_aimed_bullet(entry.explosion->position());
    }
}

void body_t::blow_up() {
    enemy_t::damage(9999);
    g_soundctr.request_se(se_destroyed);
    if (difficulty_level() < bullet_level) {
        return;
    }
    for (int32_t dx = -32; dx <= 32; dx += 16) {
        for (int32_t dy = -32; dy <= 32; dy += 16) {
            const float at[2] = {x + float(dx), y + float(dy)};
            fire_aimed_bullet(at);
        }
    }
}

void body_t::move_x(int32_t d) {
    if (!core->alive) {
        x += float(d);
    }
}

void body_t::move_y(int32_t d) {
    y += float(d);
    motion_start[1] += float(d);
    motion_target[1] += float(d);
}

void body_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    motion_start[1] = wrapped_y(motion_start[1], d);
    motion_target[1] = wrapped_y(motion_target[1], d);
}

void body_t::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
    core->set_position(x + 15, y);
    if (core->explosion != nullptr && core->explosion->alive) {
        core->explosion->set_position(x + 12, y);
    }
}

bool body_t::is_flashing() {
    return core->is_flashing();
}

} // namespace quadbarrel
