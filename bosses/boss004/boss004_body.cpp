// Boss004's body: its eased moves, the phase script with its volleys and arm commands, the parts it carries
// and the death sequence.
#include "bosses/boss004/boss004_body.h"

#include "bosses/boss004/boss004_arms.h"
#include "enemies/jet.h"
#include "objects/enemy_fire.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float home_x = 224;
constexpr float home_y = 128;
constexpr float aim_min = 16;
constexpr float aim_max = 64;
constexpr float aim_slide_limit = 192;
constexpr float wave_size = 32;
constexpr float wave_step = 0.8f;
constexpr float volley_speed = 2;
constexpr uint32_t volley_lasers = 6;
constexpr float spread_entering = 200;
constexpr float spread_closed = 32;
constexpr int32_t beam_on = 100;
constexpr int32_t beam_off = 101;
constexpr int32_t sweeping = 200;
constexpr int32_t core_opening = 100;
constexpr int32_t core_sweep = 500;
constexpr uint32_t death_frames = 480;

constexpr int32_t event_hold = 389;
constexpr int32_t event_navigation = 385;

constexpr int32_t se_arms_closed = 58;
constexpr int32_t se_volley = 51;
constexpr int32_t se_killed = 46;

// The spots of the volley's pairs, from the body (the arms' pair from each arm).
constexpr float nose_dx = -13;
constexpr float nose_dy = 24;
constexpr float front_dx = -32;
constexpr float front_dy = 10;
constexpr float arm_muzzle_dx = -60;

struct part_offset_t {
    float dx;
    float dy;
};
constexpr part_offset_t jet_offsets[3] = {{54, 0}, {50, -14}, {50, 14}};
constexpr float shield_dx[4] = {-4, -11, -18, -25};
constexpr float core_dx = 16;
constexpr float body_cover_dx = 12;

} // namespace

namespace boss004 {

void body_t::update() {
    int32_t volley = 0;
    while (run_phase(volley)) {
    }
    if (arms_closing) {
        arm_spread -= 2;
        if (arm_spread < spread_closed) {
            arm_spread = spread_closed;
            arms_closing = 0;
            g_soundctr.request_se(se_arms_closed);
        }
    }
    set_position(x, y);
    if (volley != 0) {
        fire_volley(volley);
    }
    ++phase_timer;
}

bool body_t::run_phase(int32_t& volley) {
    const uint32_t t = phase_timer;
    switch (phase) {
    case 0:
        post_event(event_hold, 1);
        arm_spread = spread_entering;
        return enter_phase(phase, phase_timer, 1);
    case 1:
        set_up_home(1);
        return enter_phase(phase, phase_timer, 2);
    case 2:
        if (t == 32) {
            post_event(event_navigation, 1);
        }
        if (t == 64) {
            core->state = core_opening;
        }
        if (step_move(move_home)) {
            return false;
        }
        arms_closing = 1;
        round_count = 0;
        return enter_phase(phase, phase_timer, 100);
    case 100:
        if (++round_count < 9) {
            return enter_phase(phase, phase_timer, 150);
        }
        round_count = 0;
        return enter_phase(phase, phase_timer, 200);
    case 150:
    case 250:
    case 300:
        set_up_aim(phase == 300 ? 2 : 6);
        return enter_phase(phase, phase_timer, phase + 1);
    case 151:
    case 251:
        return !step_move(move_aim) && enter_phase(phase, phase_timer, phase + 1);
    case 301:
        return !step_move(move_aim) && enter_phase(phase, phase_timer, 350);
    case 152:
        volley = 1 | 2;
        return enter_phase(phase, phase_timer, 153);
    case 153:
        return t >= 8 && enter_phase(phase, phase_timer, 100);
    case 200:
        if (++round_count < 7) {
            return enter_phase(phase, phase_timer, 250);
        }
        round_count = 0;
        return enter_phase(phase, phase_timer, 300);
    case 252:
    case 254:
    case 256:
        volley = phase == 252 ? 4 : phase == 254 ? 2 : 1;
        return enter_phase(phase, phase_timer, phase + 1);
    case 253:
    case 255:
        return t >= 4 && enter_phase(phase, phase_timer, phase + 1);
    case 257:
        return t >= 4 && enter_phase(phase, phase_timer, 200);
    case 350:
        set_up_wave();
        return enter_phase(phase, phase_timer, 351);
    case 351:
        if (t < 80) {
            x -= 0.5f;
            arm_spread -= 0.15f;
        } else {
            x = std::min(x + 0.5f, home_x);
            arm_spread = std::min(arm_spread + 0.5f, aim_max);
        }
        if (t == 80) {
            set_arm_states(beam_on);
        }
        if (t == 256) {
            sweep_arms(28, 1);
        }
        if (t == 320) {
            sweep_arms(36, -1);
        }
        if (t == 400) {
            core->state = core_sweep;
            core->state_timer = 0;
        }
        if (t == 440 || t == 448) {
            volley = 2;
        }
        if (t == 480 || t == 488) {
            volley = 1;
        }
        if (t == 512) {
            set_arm_states(beam_off);
        }
        return !step_move(move_wave) && enter_phase(phase, phase_timer, 400);
    case 400:
        set_up_home(1);
        return enter_phase(phase, phase_timer, 401);
    case 401: {
        if (arm_spread > spread_closed) {
            arm_spread -= 0.5f;
        }
        const bool moving = step_move(move_home);
        if (t == 0) {
            sweep_arms(28, 1);
        }
        if (t == 64) {
            sweep_arms(36, -1);
        }
        if (t == 16 || t == 24 || t == 64 || t == 72) {
            volley = 2;
        }
        if (moving || arm_spread > 48) {
            return false;
        }
        round_count = 0;
        return enter_phase(phase, phase_timer, 100);
    }
    case 1000:
        set_arm_states(beam_off);
        set_up_home(0.5f);
        return enter_phase(phase, phase_timer, 1001);
    case 1001:
    case 1002: {
        const bool moving = phase == 1001 && step_move(move_home);
        if (phase == 1002) {
            y += 0.1f;
        }
        death_step();
        if (arm_spread > spread_closed) {
            arm_spread -= 0.2f;
        }
        return phase == 1001 && !moving && enter_phase(phase, phase_timer, 1002);
    }
    default:
        return false;
    }
}

void body_t::set_up_home(float step) {
    move_start_x = x;
    move_start_y = y;
    move_span_x = (home_x - x) / 2;
    move_span_y = (home_y - y) / 2;
    move_angle = 180;
    move_step = step;
    move_end = 360;
    arrived = 0;
}

void body_t::set_up_aim(float step) {
    const float* ship = player_ship_position();
    float d = ship != nullptr ? ship[1] - y : 0;
    const float size = std::clamp(std::fabs(d), aim_min, aim_max);
    d = d < 0 ? -size : size;
    move_start_x = x;
    move_start_y = y;
    move_span_x = 0;
    move_span_y = d / 2;
    move_angle = 180;
    move_step = step;
    move_end = 360;
    arrived = 0;
}

void body_t::set_up_wave() {
    const float* ship = player_ship_position();
    move_start_x = x;
    move_start_y = y;
    move_span_x = 0;
    move_span_y = ship == nullptr || y <= ship[1] ? wave_size : -wave_size;
    move_angle = 180;
    move_step = wave_step;
    move_end = 720;
    arrived = 0;
}

bool body_t::step_move(move_kind_t kind) {
    if (move_angle > move_end) {
        arrived = 1;
        return false;
    }
    const float a = move_angle;
    const float c = cos_deg(a);
    const float s = move_span_y;
    if (kind == move_wave) {
        y = a < 360   ? move_start_y + s + s * c
            : a < 540 ? move_start_y + 2 * s * c
                      : move_start_y - s + s * c;
    } else {
        y = move_start_y + s + s * c;
    }
    if (kind == move_home) {
        x = move_start_x + move_span_x + move_span_x * c;
    } else if (kind == move_aim && x > aim_slide_limit) {
        x -= 1;
    }
    move_angle += move_step;
    return true;
}

void body_t::death_step() {
    const uint32_t d = death_timer;
    if (d == 0) {
        for (jet_t* jet : jets) {
            jet->kill();
        }
    }
    if (d == 160) {
        post_event(event_hold, 0);
    }
    const uint32_t n = 32 - std::min<uint32_t>(d / 6, 28);
    if (d > 80 && d % n == 0 && !explosions.entries.empty()) {
        auto& entry = explosions.entries[size_t(explosions.next) % explosions.entries.size()];
        if (!entry.explosion->alive) {
            entry.explosion->set_position(float(entry.dx + int32_t(x)), float(entry.dy + int32_t(y)));
            entry.explosion->start();
            explosions.next = int32_t((size_t(explosions.next) + 1) % explosions.entries.size());
            if (difficulty_level() >= 3) {
                fire_aimed_bullet(entry.explosion->position());
            }
        }
    }
    if (++death_timer == death_frames) {
        kill();
    }
}

void body_t::fire_volley(int32_t bits) {
    std::vector<body_laser_t*> idle;
    for (size_t i = next_idle(body_lasers, 0, true); i < body_lasers.size() && idle.size() < volley_lasers;
         i = next_idle(body_lasers, i + 1, true)) {
        idle.push_back(body_lasers[i]);
    }
    if (idle.size() < volley_lasers) {
        return;
    }
    const part_offset_t spots[6] = {{x + nose_dx, y - nose_dy},
                                    {x + nose_dx, y + nose_dy},
                                    {x + front_dx, y - front_dy},
                                    {x + front_dx, y + front_dy},
                                    {arms[0]->x + arm_muzzle_dx, arms[0]->y},
                                    {arms[1]->x + arm_muzzle_dx, arms[1]->y}};
    for (size_t i = 0; i < volley_lasers; ++i) {
        if ((bits & (1 << (i / 2))) == 0) {
            continue;
        }
        body_laser_t* laser = idle[i];
        laser->start_effect_at(spots[i].dx, spots[i].dy);
        launch(laser, spots[i].dx, spots[i].dy, laser->direction, volley_speed);
    }
    g_soundctr.request_se(se_volley);
}

void body_t::sweep_arms(int32_t d, int32_t g) {
    const int32_t level = difficulty_level();
    const int32_t count = level <= 2 ? 4 : level <= 4 ? 12 : 20;
    const int32_t step = (level <= 2 ? 4 : level <= 4 ? 2 : 1) * g;
    const int32_t directions[2] = {wrap64(d), wrap64(64 - d)};
    for (int32_t a = 0; a < 2; ++a) {
        arms[a]->sweep_direction = directions[a];
        arms[a]->shots_left = count;
        arms[a]->sweep_step = a == 0 ? step : -step;
        arms[a]->state = sweeping;
        arms[a]->state_timer = 0;
    }
}

void body_t::set_arm_states(int32_t state) {
    for (arm_t* arm : arms) {
        arm->state = state;
        arm->state_timer = 0;
    }
}

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    trail.push(x, y);
    core->set_position(x + core_dx, y);
    core_cover->set_position(x + core_dx, y);
    body_cover->set_position(x + body_cover_dx, y);
    for (size_t i = 0; i < 3; ++i) {
        jets[i]->set_position(x + jet_offsets[i].dx, y + jet_offsets[i].dy);
    }
    for (size_t i = 0; i < 4; ++i) {
        core_shields[i]->set_position(x + shield_dx[i], y);
    }
    const poslog_t::entry_t& lagged = trail.entry(3);
    arms[0]->set_position(lagged.x, lagged.y - arm_spread);
    arms[1]->set_position(lagged.x, lagged.y + arm_spread);
}

void body_t::kill() {
    piveter_t::kill();
    for (arm_t* arm : arms) {
        arm->kill();
    }
    for (jet_t* jet : jets) {
        jet->kill();
    }
    for (core_shield_t* shield : core_shields) {
        shield->kill();
    }
    core_cover->kill();
    body_cover->kill();
    g_soundctr.request_se(se_killed);
}

bool body_t::is_flashing() {
    return core->is_flashing();
}

} // namespace boss004
