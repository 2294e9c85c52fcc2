// Boss004's arms, beams, beam flashes and sparks, and front lasers.
#include "bosses/boss004/boss004_arms.h"

#include "bosses/boss004/boss004_body.h"
#include "objects/phase_script.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t idle = 1;
constexpr int32_t beam_on = 100;
constexpr int32_t beam_off = 101;
constexpr int32_t sweeping = 200;
constexpr int32_t sweep_wait = 201;
constexpr uint32_t sweep_pace = 6;
constexpr float missile_speed = 3.0f;
constexpr float muzzle_dx = 24;
constexpr float muzzle_dy = 4;
constexpr float beam_dx = -188;
constexpr float flash_dx = 128;
constexpr int32_t full_width = 56;
constexpr int32_t width_step = 8;
constexpr uint32_t growth_pace = 16;
constexpr uint32_t narrowing_pace = 8;
constexpr float spark_speed = 3.0f;
constexpr int32_t spark_last_pattern = 3;
constexpr uint32_t spark_pace = 8;

constexpr int32_t se_missile = 94;
constexpr int32_t se_beam = 19;

} // namespace

namespace boss004 {

void arm_t::update() {
    while (run_state()) {
    }
    ++state_timer;
}

bool arm_t::run_state() {
    switch (state) {
    case beam_on:
        beam->start();
        return enter_phase(state, state_timer, idle);
    case beam_off:
        beam->kill();
        return enter_phase(state, state_timer, idle);
    case sweeping:
        if (shots_left < 1) {
            return enter_phase(state, state_timer, idle);
        }
        --shots_left;
        fire_missile(sweep_direction);
        sweep_direction = wrap64(sweep_direction + sweep_step);
        return enter_phase(state, state_timer, sweep_wait);
    case sweep_wait:
        return state_timer >= sweep_pace && enter_phase(state, state_timer, sweeping);
    default:
        return false;
    }
}

void arm_t::fire_missile(int32_t direction) {
    const size_t i = next_idle(missiles, 0, true);
    if (i == missiles.size()) {
        return;
    }
    missile_t* missile = missiles[i];
    const float at_x = x + muzzle_dx;
    const float at_y = pattern == 0 ? y - muzzle_dy : y + muzzle_dy;
    missile->start_effect_at(at_x, at_y);
    missile->pattern = direction % 32;
    launch(missile, at_x, at_y, direction, missile_speed);
    g_soundctr.request_se(se_missile);
}

void arm_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    if (beam != nullptr && beam->alive) {
        beam->set_position(x + beam_dx, y);
    }
}

void arm_t::kill() {
    piveter_t::kill();
    beam->kill();
}

bool arm_t::is_flashing() {
    return core->is_flashing();
}

void arm_laser1_t::start() {
    closing = 0;
    beam_timer = 0;
    pattern = 0;
    object_t::start();
}

void arm_laser1_t::kill() {
    if (!closing) {
        closing = 1;
        beam_timer = 0;
    }
}

int32_t arm_laser1_t::contact_damage() {
    return pattern == full_width ? info->contact_damage : 0;
}

void arm_laser1_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x, new_y);
    if (flash->alive) {
        flash->set_position(x + flash_dx, y);
    }
}

void arm_laser1_t::update() {
    if (!closing) {
        if (beam_timer % growth_pace == 0 && pattern < full_width) {
            pattern += width_step;
        }
    } else if (beam_timer % narrowing_pace == 0) {
        if (pattern - width_step < 0) {
            object_t::kill();
            flash->kill();
            return;
        }
        pattern -= width_step;
    }
    const int32_t w = pattern / width_step + 1;
    show_flash(w >= 6 || (w >= 3 && beam_timer % 4 < 2));
    const uint32_t n = uint32_t(w < 8 ? 8 - w : 7);
    if (beam_timer % n == 0) {
        const size_t i = next_idle(sparks, 0);
        if (i < sparks.size()) {
            sparks[i]->set_position(x + flash_dx, y);
            sparks[i]->start();
        }
    }
    if (w >= 6) {
        g_soundctr.request_se(se_beam);
    }
    ++beam_timer;
}

void arm_laser1_t::show_flash(bool on) {
    if (!on) {
        flash->kill();
        return;
    }
    flash->set_position(x + flash_dx, y);
    flash->start();
}

void flash_t::start() {
    object_t::start();
}

void spark_t::start() {
    spark_timer = 0;
    explosion_t::start();
}

void spark_t::update() {
    if (spark_timer != 0 && spark_timer % spark_pace == 0) {
        if (pattern < spark_last_pattern) {
            ++pattern;
        } else {
            kill();
        }
    }
    set_position(x + spark_speed * cos_table[direction & 63], y - spark_speed * sin_table[direction & 63]);
    ++spark_timer;
}

void body_laser_t::update() {
    missile_t::update();
    if (effect != nullptr && effect->alive) {
        effect->set_position(x, y);
    }
}

} // namespace boss004
