// Boss005's lead body: its hit box, damage and kill, its arms, sparks and spread fans, and its motions.
#include "bosses/boss005/bodies.h"

#include "bosses/boss005/parts.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr float lead_shoulder_dx = 14;
constexpr float lead_radius = 20;
constexpr int32_t rect_dx = 8;
constexpr float spark_dx = 24;
constexpr int32_t death_sequence = 5000;
constexpr int32_t trail_arriving = 100;

constexpr float reposition_min_x = 176;
constexpr float sweep_size = 40;
constexpr float entry_stop_x = 192;
constexpr float sweep_stop_x = 176;

constexpr int32_t se_hit = 47;
constexpr int32_t se_spread = 94;

} // namespace

namespace boss005 {

void leadbody_t::get_rect(plat::rect_t& out) {
    object_t::get_rect(out);
    out.left += rect_dx;
    out.right += rect_dx;
}

void leadbody_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    g_soundctr.request_se(se_hit);
    if (invulnerable) {
        return;
    }
    if (int64_t(hp) - n > 0) {
        body_t::damage(n);
        return;
    }
    invulnerable = 1;
    if (difficulty_level() < 3 || merged) {
        phase = death_sequence;
        phase_timer = 0;
    } else {
        partner->phase = trail_arriving;
        partner->phase_timer = 0;
    }
}

void leadbody_t::kill() {
    body_t::kill();
    if (merged) {
        partner->kill();
    }
}

void leadbody_t::place_arms() {
    place_arms_from(lead_shoulder_dx, lead_radius);
}

bool leadbody_t::retract_arms() {
    return retract_toward(32, 32);
}

void leadbody_t::emit_spark() {
    const size_t i = next_idle(sparks, 0);
    if (i < sparks.size()) {
        sparks[i]->set_position(x + spark_dx, y);
        sparks[i]->start();
    }
}

void leadbody_t::fire_spread(float at_x, float at_y, int32_t n) {
    g_soundctr.request_se(se_spread);
    const float speed = 1.2f + 0.1f * float(difficulty_level());
    int32_t d = wrap64(32 - 2 * (n - 1));
    size_t i = 0;
    for (int32_t k = 0; k < n; ++k) {
        i = next_idle_around(spread_missiles, i);
        if (i >= spread_missiles.size()) {
            return;
        }
        launch(spread_missiles[i], at_x, at_y, d, speed);
        d = wrap64(d + 4);
    }
}

void leadbody_t::start_motion(float to_x, float to_y, float amp_x, float amp_y, float angle, float step) {
    motion_done = 0;
    motion_start[0] = x;
    motion_start[1] = y;
    motion_target[0] = to_x;
    motion_target[1] = to_y;
    motion_amp[0] = amp_x;
    motion_amp[1] = amp_y;
    motion_angle = angle;
    motion_step = step;
}

void leadbody_t::glide_to(float to_x, float to_y, float step) {
    start_motion(to_x, to_y, to_x - x, to_y - y, 270, step);
}

bool leadbody_t::step_glide() {
    if (motion_angle > 360) {
        motion_done = 1;
        return false;
    }
    const float c = cos_deg(motion_angle);
    set_position(motion_start[0] + motion_amp[0] * c, motion_start[1] + motion_amp[1] * c);
    motion_angle += motion_step;
    return true;
}

void leadbody_t::ease_to(float to_x, float to_y, float step) {
    start_motion(to_x, to_y, (to_x - x) / 2, (to_y - y) / 2, 180, step);
}

bool leadbody_t::step_ease() {
    if (motion_angle > 360) {
        motion_done = 1;
        return false;
    }
    const float c = cos_deg(motion_angle);
    set_position(motion_start[0] + motion_amp[0] + motion_amp[0] * c,
                 motion_start[1] + motion_amp[1] + motion_amp[1] * c);
    motion_angle += motion_step;
    return true;
}

void leadbody_t::reposition(float step) {
    const float* ship = player_ship_position();
    const float ship_x = ship != nullptr ? ship[0] : reposition_min_x;
    const float ship_y = ship != nullptr ? ship[1] : y;
    float to_y;
    if (y < 48 || y >= 208) {
        to_y = y < 128 ? y + 56 : y - 56;
    } else {
        to_y = y <= ship_y ? y + 32 : y - 32;
    }
    ease_to(ship_x < reposition_min_x ? reposition_min_x : ship_x, to_y, step);
}

bool leadbody_t::enter_step() {
    if (x > entry_stop_x) {
        set_position(x - 1, y);
        return true;
    }
    return false;
}

void leadbody_t::start_sweep() {
    const float* ship = player_ship_position();
    float a;
    if (y < 64 || y >= 192) {
        a = y < 128 ? sweep_size : -sweep_size;
    } else {
        a = ship != nullptr && ship[1] >= y ? sweep_size : -sweep_size;
    }
    const float step = difficulty_level() <= 2 ? 0.75f : 1.0f;
    start_motion(x, y, a, a, 180, step);
}

bool leadbody_t::step_sweep() {
    const float angle = motion_angle;
    if (angle > 720) {
        motion_done = 1;
        return false;
    }
    const float a = motion_amp[1];
    const float c = cos_deg(angle);
    const float sy = motion_start[1];
    const float new_y = angle < 360 ? sy + a + a * c : angle < 540 ? sy + 2 * a * c : sy - a + a * c;
    set_position(x < sweep_stop_x ? x + 1 : x, new_y);
    motion_angle += motion_step;
    return true;
}

} // namespace boss005
