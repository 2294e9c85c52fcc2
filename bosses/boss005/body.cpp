// Boss005's bodies in common: their arms and hands, kill and damage; and the trailing body's approach.
#include "bosses/boss005/bodies.h"

#include "bosses/boss005/parts.h"
#include "objects/enemy_fire.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t segments_per_chain = 8;
constexpr float shoulder_dy = 8;
constexpr float trail_shoulder_dx = -18;
constexpr float trail_radius = 32;
constexpr float dock_dx = 44;
constexpr float parked_x = 9999;
constexpr float arrival_x = 320;
constexpr float arrival_y = 128;
constexpr float approach_speed = 3;
constexpr uint32_t warning_frames = 128;

constexpr int32_t event_destroyed = 371;
constexpr int32_t event_navigation = 385;
constexpr int32_t navigation_warning = 15;
constexpr int32_t docking = 1000;

constexpr int32_t se_arms_set = 96;
constexpr int32_t se_arms_moving = 97;
constexpr int32_t se_destroyed = 71;

float sin_degrees(int32_t angle) {
    return sin_table_deg[wrap_mod(angle, 360)];
}

} // namespace

namespace boss005 {

void body_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    arms_dirty = 1;
}

void body_t::kill() {
    piveter_t::kill();
    arms[0]->kill();
    arms[1]->kill();
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_destroyed);
        post_event(event_destroyed, 3);
        if (difficulty_level() >= 3) {
            fire_aimed_bullet(position());
        }
    }
}

bool body_t::rotate_arms(int32_t target, int32_t step) {
    if (target < 0 || target > 360) {
        return false;
    }
    const int32_t goal = target >> 1;
    if (arm_angle == goal) {
        return false;
    }
    arm_angle = arm_angle < goal ? std::min(arm_angle + step, goal) : std::max(arm_angle - step, goal);
    mirror_angle = (360 - arm_angle) % 360;
    arms_dirty = 1;
    if (arm_angle == goal) {
        g_soundctr.request_se(se_arms_set);
    }
    g_soundctr.request_se(se_arms_moving);
    return true;
}

bool body_t::open_hands() {
    const bool upper = hands[0]->turn_toward(17);
    const bool lower = hands[1]->turn_toward(47);
    return upper || lower;
}

bool body_t::close_hands() {
    const bool upper = hands[0]->turn_toward(47);
    const bool lower = hands[1]->turn_toward(17);
    return upper || lower;
}

void body_t::fire_hands() {
    hands[0]->fire_missile();
    hands[1]->fire_missile();
}

void body_t::start_lasers() {
    hands[0]->start_laser();
    hands[1]->start_laser();
}

void body_t::stop_lasers() {
    hands[0]->stop_laser();
    hands[1]->stop_laser();
}

void body_t::place_arms_from(float shoulder_dx, float radius) {
    const int32_t angles[2] = {arm_angle, mirror_angle};
    for (size_t i = 0; i < 2; ++i) {
        const float shoulder_x = x + shoulder_dx;
        const float shoulder_y = i == 0 ? y - shoulder_dy : y + shoulder_dy;
        const float hand_x = shoulder_x + radius * cos_deg(float(angles[i]));
        const float hand_y = shoulder_y - radius * sin_degrees(angles[i]);
        hands[i]->set_position(hand_x, hand_y);
        const float step_x = (hand_x - shoulder_x) * 0.125f;
        const float step_y = (hand_y - shoulder_y) * 0.125f;
        float at_x = shoulder_x;
        float at_y = shoulder_y;
        arm_t* segment = arms[i];
        for (int32_t k = 0; k < segments_per_chain && segment != nullptr; ++k) {
            segment->set_position(at_x, at_y);
            at_x += step_x;
            at_y += step_y;
            segment = segment->next;
        }
    }
    arms_dirty = 0;
}

bool body_t::retract_toward(int32_t upper, int32_t lower) {
    const bool a = hands[0]->turn_toward(upper);
    const bool b = hands[1]->turn_toward(lower);
    const bool c = rotate_arms(40, 1);
    return a || b || c;
}

void trailbody_t::place_arms() {
    place_arms_from(trail_shoulder_dx, trail_radius);
}

bool trailbody_t::retract_arms() {
    return retract_toward(28, 36);
}

bool trailbody_t::is_flashing() {
    return partner->is_flashing();
}

void trailbody_t::update() {
    while (run_phase()) {
    }
    ++phase_timer;
}

bool trailbody_t::run_phase() {
    const uint32_t t = phase_timer;
    switch (phase) {
    case 0:
        set_position(parked_x, arrival_y);
        arm_angle = 20;
        mirror_angle = 340;
        hands[0]->direction = 28;
        hands[0]->pattern = 12;
        hands[1]->direction = 36;
        hands[1]->pattern = 20;
        place_arms();
        return enter_phase(phase, phase_timer, 1);
    case 100:
        set_position(arrival_x, arrival_y);
        place_arms();
        return enter_phase(phase, phase_timer, 101);
    case 101:
        if (t < warning_frames) {
            if (t % 64 == 0) {
                post_event(event_navigation, navigation_warning);
            }
            return false;
        }
        return enter_phase(phase, phase_timer, 102);
    case 102: {
        const float lead_x = partner->x;
        const float lead_y = partner->y;
        if (x >= lead_x + dock_dx) {
            set_position(x - approach_speed, lead_y);
            place_arms();
            return false;
        }
        set_position(lead_x + dock_dx, lead_y);
        place_arms();
        partner->phase = docking;
        partner->phase_timer = 0;
        return enter_phase(phase, phase_timer, 1);
    }
    default:
        return false;
    }
}

} // namespace boss005
