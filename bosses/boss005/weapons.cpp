// Boss005's big laser with its beam segments, the spread missiles and the sparks thrown off in docking.
#include "bosses/boss005/parts.h"

#include "objects/coordinate.h"
#include "objects/phase_script.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

namespace {

constexpr float muzzle_dx = -42;
constexpr float segment_spacing = 16;
constexpr int32_t body_patterns = 8;
constexpr int32_t full_width = 7;
constexpr int32_t hurting_width = 5;
constexpr uint32_t warning_frames = 48;
constexpr uint32_t full_beam_frames = 144;
constexpr float leaving_speed = 8;
constexpr int32_t leaving = 100;

constexpr int32_t se_beam = 19;

} // namespace

namespace boss005 {

void big_laser_ctr_t::start() {
    object_t::start();
    for (size_t i = 0; i < segments.size(); ++i) {
        segments[i]->pattern = i == 0 ? 0 : body_patterns;
        segments[i]->start();
    }
    phase = 0;
    phase_timer = 0;
}

void big_laser_ctr_t::kill() {
    if (phase != leaving) {
        enter_phase(phase, phase_timer, leaving);
    }
}

void big_laser_ctr_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    for (size_t i = 0; i < segments.size(); ++i) {
        segments[i]->set_position(float(pixel_coordinate(new_x - segment_spacing * float(i))), new_y);
    }
}

void big_laser_ctr_t::set_width(int32_t n) {
    for (size_t i = 0; i < segments.size(); ++i) {
        segments[i]->pattern = i == 0 ? n : n + body_patterns;
        segments[i]->contact = n >= hurting_width ? segments[i]->info->contact_damage : 0;
    }
}

void big_laser_ctr_t::step_width(int32_t by) {
    const int32_t before = segments.empty() ? 0 : segments[0]->pattern;
    for (big_laser_t* segment : segments) {
        segment->pattern += by;
        segment->contact = before >= hurting_width ? segment->info->contact_damage : 0;
    }
}

bool big_laser_ctr_t::widen() {
    if (segments.empty() || segments[0]->pattern >= full_width) {
        return false;
    }
    step_width(1);
    return true;
}

bool big_laser_ctr_t::narrow() {
    if (!segments.empty() && segments[0]->pattern > 0) {
        step_width(-1);
        return true;
    }
    alive = 0;
    hp = 0;
    for (big_laser_t* segment : segments) {
        segment->kill();
    }
    return false;
}

void big_laser_ctr_t::update() {
    const float muzzle_x = hand->x + muzzle_dx;
    const float muzzle_y = hand->y;
    while (run_phase(muzzle_x, muzzle_y)) {
    }
    ++phase_timer;
}

bool big_laser_ctr_t::run_phase(float muzzle_x, float muzzle_y) {
    const uint32_t t = phase_timer;
    switch (phase) {
    case 0:
        if (t >= warning_frames) {
            return enter_phase(phase, phase_timer, 1);
        }
        set_width(t % 5 < 3 ? 1 : 0);
        if (t % 16 == 0) {
            hand->emit_spark(muzzle_x, muzzle_y);
        }
        set_position(muzzle_x, muzzle_y);
        return false;
    case 1:
        if (t % 4 == 0 && !widen()) {
            return enter_phase(phase, phase_timer, 2);
        }
        set_position(muzzle_x, muzzle_y);
        if (t % 16 == 0) {
            hand->emit_spark(muzzle_x, muzzle_y);
        }
        return false;
    case 2:
        if (t >= full_beam_frames) {
            return enter_phase(phase, phase_timer, leaving);
        }
        set_position(muzzle_x, muzzle_y);
        if (t % 4 == 0) {
            hand->emit_spark(muzzle_x, muzzle_y);
        }
        if (t % 2 == 0) {
            g_soundctr.request_se(se_beam);
        }
        return false;
    case leaving:
        if (t % 8 == 0) {
            narrow();
        }
        set_position(x - leaving_speed, muzzle_y);
        return false;
    default:
        return false;
    }
}

void spred_missile_t::start() {
    pattern = 0;
    object_t::start();
}

void spred_missile_t::update() {
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
    pattern = (pattern + 2) % 32;
}

void spark_t::update() {
    step_pattern();
    set_position(x + speed * cos_table[direction & 63], y - speed * sin_table[direction & 63]);
}

} // namespace boss005
