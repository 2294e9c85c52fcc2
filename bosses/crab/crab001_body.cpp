// Crab001's body: the phase script of its climbs, sways and death, its hits, its release of the parked
// formations, and the death wobble, shin wobbles and thigh layout it runs after every phase.
#include "bosses/crab/crab001.h"

#include "enemies/cells/cell001.h"
#include "enemies/twisters/twister005.h"
#include "objects/direction.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float climb_speed = 0.4f;
constexpr float climb_reach = 32;
constexpr float leg_dy = 1.5f;
constexpr float settle_dy = 0.4f;
constexpr float leave_settle_dy = 0.2f;
constexpr float top_y = 40;
constexpr float bottom_y = 216;
constexpr float gone_y = 384;
constexpr uint32_t settle_frames = 64;
constexpr float sway_step = 1.5f;
constexpr float laser_dy = 24;
constexpr float laser_speed = 3;
constexpr int32_t down = 48;
constexpr int32_t up = 16;
constexpr float fan_dy = 30;
constexpr uint32_t section = 65536;

constexpr int32_t eyes_open = 10;
constexpr int32_t eyes_closed = 20;
constexpr int32_t eyes_blink = 30;

constexpr int32_t event_hold = 389;
constexpr int32_t event_navigation = 385;
constexpr int32_t event_death = 371;
constexpr int32_t event_gone = 388;

constexpr int32_t se_hit = 47;
constexpr int32_t se_waking = 10;
constexpr int32_t se_leaving = 29;
constexpr int32_t se_dying = 75;
constexpr int32_t se_destroyed = 35;
constexpr int32_t se_laser = 45;
constexpr int32_t se_ball = 94;

constexpr float eye_offsets[3][2] = {{-3, 13}, {3, 13}, {0, 17}};
// Where each leg's thigh chain leaves the body, and which way the shin's end lies from the shin.
constexpr float hip_offsets[4][2] = {{-16, -16}, {-16, 12}, {16, -16}, {16, 12}};
constexpr float knee_dx[4] = {16, 16, -16, -16};
constexpr int32_t chain_length = 10;

} // namespace

namespace crab001 {

void body_t::update() {
    while (run_phase()) {
    }
    if (recentering) {
        wobble_step();
    }
    for (foot_t* foot : feet) {
        foot->shin->wobble_step();
    }
    lay_out_thighs();
    ++phase_timer;
}

bool body_t::run_phase() {
    const uint32_t t = phase_timer;
    switch (phase) {
    case 0:
        invulnerable = 1;
        plant_feet();
        return enter_phase(phase, phase_timer, 10);
    case 10:
        if (y >= top_y) {
            climb(-leg_dy);
            ball_fans();
            return false;
        }
        return enter_phase(phase, phase_timer, 11);
    case 11:
    case 21:
        return settle(phase == 11 ? -settle_dy : settle_dy) && t >= settle_frames &&
               enter_phase(phase, phase_timer, phase == 11 ? 12 : 10);
    case 12:
        post_event(event_hold, 1);
        return enter_phase(phase, phase_timer, 13);
    case 13:
        if (t == 0 && !invulnerable) {
            set_eyes(eyes_blink);
        }
        if (t % 4 == 0) {
            fire_body_laser();
        }
        return !sway(float(-3 * difficulty_level())) && enter_phase(phase, phase_timer, 14);
    case 14:
        post_event(event_hold, 0);
        return enter_phase(phase, phase_timer, 20);
    case 20:
        if (y >= bottom_y) {
            return enter_phase(phase, phase_timer, 21);
        }
        climb(leg_dy);
        if (!invulnerable) {
            ball_fans();
        } else if (t == 64) {
            g_soundctr.request_se(se_waking);
            set_eyes(eyes_open);
        } else if (t == 80) {
            post_event(event_navigation, 0);
            invulnerable = 0;
        }
        return false;
    case 500:
        if (t == 64) {
            g_soundctr.request_se(se_leaving);
            set_eyes(eyes_closed);
        }
        if (t < 192) {
            settle(-leave_settle_dy);
            return false;
        }
        return enter_phase(phase, phase_timer, 501);
    case 501:
        if (y < gone_y) {
            climb(leg_dy);
            return false;
        }
        post_event(event_gone, 0);
        return enter_phase(phase, phase_timer, 502);
    case 1000:
        g_soundctr.request_se(se_dying);
        post_event(event_death, 4);
        start_wobble();
        set_eyes(eyes_closed);
        return enter_phase(phase, phase_timer, 1001);
    case 1001:
        if (t % 8 == 0) {
            death_explosions.start_next_at(x, y);
        }
        if (settle(-settle_dy) && t > 143) {
            post_event(event_death, 3);
            enemy_t::damage(9999);
            g_soundctr.request_se(se_destroyed);
        }
        return false;
    default:
        return false;
    }
}

void body_t::plant_feet() {
    constexpr int32_t screen_width = 256;
    constexpr int32_t plant_step = 4;
    // Once a foot has walked one width of the layer and met no wall, it would meet only the pixels it has
    // met until it reaches the screen, so it skips there by whole widths and lands where the walk would.
    constexpr int32_t wrap_steps = terrain_wrap / plant_step;
    const int32_t bx = int32_t(x);
    const float by = float(int32_t(y));
    for (int32_t k = 0; k < 4; ++k) {
        foot_t* foot = feet[k];
        foot->side = k < 2 ? 1 : 2;
        if (foot->side == 1) {
            for (int32_t px = bx, n = 0; px >= 0 && foot->airborne; px -= plant_step, ++n) {
                if (n == wrap_steps) {
                    px = terrain_repeat_toward(px, screen_width);
                }
                foot->set_position(float(px), by);
            }
        } else {
            for (int32_t px = bx, n = 0; px < screen_width && foot->airborne; px += plant_step, ++n) {
                if (n == wrap_steps) {
                    px = terrain_repeat_toward(px, 0);
                }
                foot->set_position(float(px), by);
            }
        }
        constexpr int32_t fans[2][8] = {{6, 4, 2, 1, 63, 62, 60, 58}, {26, 28, 30, 31, 33, 34, 36, 38}};
        for (size_t i = 0; i < foot->sparks.size(); ++i) {
            foot->sparks[i]->speed = float(i % 3 + 1);
            foot->sparks[i]->direction = fans[foot->side - 1][i % 8];
        }
        foot->pattern = foot->side - 1;
        foot->shin->pattern = foot->pattern;
        foot->shin->set_position(foot->x + (foot->side == 1 ? 14.0f : -14.0f), foot->y);
    }
}

void body_t::climb(float dy) {
    const float ty = y + (dy < 0 ? -climb_reach : climb_reach);
    const float to[2] = {float(terrain_gap_center_x(int32_t(x), int32_t(ty))), ty};
    const int32_t d = direction_to(position(), to);
    set_position(x + climb_speed * cos_table[d], y - climb_speed * sin_table[d]);
    step_legs(dy);
}

void body_t::step_legs(float dy) {
    if (dy == 0) {
        return;
    }
    for (int32_t k = 0; k < 4; ++k) {
        foot_t* foot = feet[k];
        if (!foot->airborne) {
            const bool upper = k % 2 == 0;
            const float distance = upper ? y - foot->y : foot->y - y;
            // The foot ahead lifts when the body has come close, the one behind when it is left far back.
            const bool leading = (dy > 0) != upper;
            const bool lifts = leading ? distance < 32 : distance > 56;
            // The other diagonal pair must hold the wall: {0, 3} against {1, 2}.
            const bool other_hold = k == 0 || k == 3 ? !feet[1]->airborne && !feet[2]->airborne
                                                     : !feet[0]->airborne && !feet[3]->airborne;
            if (!lifts || !other_hold) {
                continue;
            }
        }
        foot->step(dy);
    }
}

bool body_t::settle(float dy) {
    bool none = true;
    for (foot_t* foot : feet) {
        if (foot->airborne) {
            none = false;
            foot->step(dy);
        }
    }
    return none;
}

bool body_t::sway(float a) {
    if (phase_timer == 0) {
        motion_done = 0;
        motion_start[0] = x;
        motion_start[1] = y;
        motion_angle = 180;
        motion_step = sway_step;
        motion_amp[0] = a;
        motion_amp[1] = a;
    }
    if (motion_angle > 720) {
        motion_done = 1;
        return false;
    }
    const float c = cos_deg(motion_angle);
    const float amp = motion_amp[0];
    const float at = motion_angle < 360   ? motion_start[0] + amp + amp * c
                     : motion_angle < 540 ? motion_start[0] + 2 * amp * c
                                          : motion_start[0] - amp + amp * c;
    motion_angle += motion_step;
    set_position(at, y);
    return true;
}

void body_t::ball_fans() {
    if (phase_timer % 32 != 0) {
        return;
    }
    const int32_t n = phase_timer % 64 == 0 ? 5 : 4;
    if (difficulty_level() >= 4) {
        fire_ball_fan(x, y - fan_dy, up, n);
    }
    if (difficulty_level() >= 3) {
        fire_ball_fan(x, y + fan_dy, down, n);
    }
}

void body_t::fire_ball_fan(float at_x, float at_y, int32_t c, int32_t n) {
    int32_t direction = wrap64(c - 2 * (n - 1));
    size_t i = 0;
    for (int32_t turn = 0; turn < n; ++turn) {
        i = next_idle(balls, i);
        if (i == balls.size()) {
            return;
        }
        ball_t* ball = balls[i];
        ball->set_position(at_x, at_y);
        ball->direction = direction;
        ball->speed = 1;
        ball->start();
        g_soundctr.request_se(se_ball);
        direction = wrap64(direction + 4);
    }
}

void body_t::fire_body_laser() {
    const size_t i = next_idle(body_lasers, 0);
    if (i < body_lasers.size()) {
        body_laser_t* laser = body_lasers[i];
        laser->start_effect_at(x, y + laser_dy);
        launch(laser, x, y + laser_dy, down, laser_speed);
    }
    g_soundctr.request_se(se_laser);
}

void body_t::start_wobble() {
    recentering = 1;
    center_x = int32_t(x);
    target_center_x = terrain_gap_center_x(int32_t(x), int32_t(y));
    wobble_amp = 16;
    const float* ship = player_ship_position();
    wobble_angle = ship != nullptr && ship[0] > x ? 130 : 310;
}

void body_t::wobble_step() {
    const bool fourth = g_frame_counter % 4 == 0;
    if (fourth && center_x != target_center_x) {
        center_x += center_x < target_center_x ? 1 : -1;
    }
    if (wobble_amp >= 0) {
        set_position(float(wobble_amp) * cos_table_deg[wobble_angle] + float(center_x), y);
        wobble_angle = (wobble_angle + 5) % 360;
        if (fourth) {
            --wobble_amp;
        }
    }
}

void body_t::lay_out_thighs() {
    for (int32_t k = 0; k < 4; ++k) {
        const shin_t* shin = feet[k]->shin;
        const float from_x = x + hip_offsets[k][0];
        const float from_y = y + hip_offsets[k][1];
        const float span_x = shin->x + knee_dx[k] - from_x;
        const float span_y = shin->y - from_y;
        int32_t i = 0;
        for (thigh_t* segment = thigh_roots[k]; segment != nullptr; segment = segment->next, ++i) {
            segment->set_position(from_x + span_x * float(i) / chain_length,
                                  from_y + span_y * float(i) / chain_length);
        }
    }
}

void body_t::move_y(int32_t d) {
    y += float(d);
    motion_start[1] += float(d);
}

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    for (size_t i = 0; i < 3; ++i) {
        eyes[i]->set_position(x + eye_offsets[i][0], y + eye_offsets[i][1]);
    }
}

void body_t::kill() {
    if (g_stage_position - key < section) {
        const float at[2][2] = {{64, -256}, {192, 384}};
        for (size_t i = 0; i < 2; ++i) {
            if (twisters[i] != nullptr) {
                twisters[i]->set_position(at[i][0], at[i][1]);
                twisters[i]->start();
            }
        }
    }
    post_event(event_hold, 0);
    for (thigh_t* root : thigh_roots) {
        if (root != nullptr) {
            root->kill();
        }
    }
    for (eye_t* eye : eyes) {
        eye->kill();
    }
    piveter_t::kill();
}

void body_t::damage(int32_t n) {
    if (invulnerable) {
        return;
    }
    if (int64_t(hp) - n <= 0) {
        invulnerable = 1;
        phase = 1000;
        phase_timer = 0;
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

void body_t::set_eyes(int32_t mode) {
    for (eye_t* eye : eyes) {
        eye->mode = mode;
        eye->timer = 0;
    }
}

} // namespace crab001
