// Twister006's and twister008's waves, recoil and shots, and their assembly.
#include "enemies/twisters/twister006_008.h"

#include "enemies/damage_tail.h"
#include "enemies/jet.h"
#include "objects/big_explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr float amplitude = 16;
constexpr int32_t phase_step = 3;
constexpr int32_t recoil_frames = 3;
constexpr float entry_x = 224;
constexpr float knock_back = 0.5f;
constexpr float leave_x = -32;
constexpr float screen_low = -24;
constexpr float screen_high = 280;
constexpr float jet_dx = 16;
constexpr float muzzle = 18;
constexpr uint32_t stay_span = 0x20000; // two sections
constexpr float follow_step = 0.25f;
constexpr int32_t shot_count = 4;
constexpr uint32_t shot_effect_period = 4;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 38;
constexpr int32_t revenge_level = 4;

uint32_t fire_interval() {
    constexpr uint32_t intervals[4] = {32768, 128, 64, 32};
    return intervals[std::min(difficulty_level(), 4) - 1];
}

bool on_screen(float x, float y) {
    return x >= screen_low && x < screen_high && y >= screen_low && y < screen_high;
}

template <typename Body>
void spawn(stage_t* stage, const placement_t* placement, const int32_t (&ids)[5],
           Body* (*make_body)(stage_t*, const placement_t*, const objectinfo_t*)) {
    // Record 83 is asked for though nothing is made of it.
    const auto r = find_records(ids);
    if (!r) {
        return;
    }
    const auto [body_info, unused, flame, shot, shot_effect] = *r;
    Body* body = make_body(stage, placement, body_info);
    body->jet = stage_t::make_jet(stage, placement, flame);
    body->attach_explosion(stage_t::make_explosion_pattern_medium(stage, placement));
    body->phase = wrap_mod(placement->param2, 360);
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, shot, shot_effect, shot_effect_period, body, body->shots);
    }
    give_item(stage, placement, body);
}

} // namespace

namespace twister_wave {

void body_t::move_y(int32_t d) {
    y += float(d);
    base_y += float(d);
}

void body_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    base_y = wrapped_y(base_y, d);
}

void body_t::start() {
    enemy_t::start();
    jet->start();
}

void body_t::kill() {
    enemy_t::kill();
    jet->kill();
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    recoil = recoil_frames;
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed}, revenge_level);
}

void body_t::ride_wave() {
    set_position(x, base_y + amplitude * sin_table_deg[phase]);
    phase = (phase + phase_step) % 360;
}

void body_t::count_and_fire(float muzzle_dx, int32_t direction, float speed) {
    if (fire_clock > 0 && fire_clock % fire_interval() == 0) {
        const size_t i = next_idle(shots, 0, true);
        if (i < shots.size()) {
            shots[i]->start_effect_at(x + muzzle_dx, y);
            launch(shots[i], x + muzzle_dx, y, direction, speed);
        }
    }
    ++fire_clock;
}

void body_t::animate() {
    if (g_frame_counter % (recoil > 0 ? 4 : 2) == 0) {
        pattern = (pattern + 1) & 15;
    }
}

void body_t::place_jet(float dx) {
    jet->set_position(x + dx, y);
}

} // namespace twister_wave

namespace twister006 {

void body_t::update() {
    if (x >= entry_x) {
        x -= 1;
    } else {
        if (recoil > 0) {
            --recoil;
            x += knock_back;
        } else {
            x -= 1;
        }
        x = std::min(x, entry_x);
    }
    ride_wave();
    if (x < leave_x) {
        alive = 0;
        hp = 0;
        return;
    }
    const float* ship = player_ship_position();
    if (on_screen(x, y) && ship != nullptr && ship[0] < x) {
        count_and_fire(-muzzle, 32, 1.5f);
    }
    animate();
}

void body_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    place_jet(jet_dx);
}

} // namespace twister006

namespace twister008 {

void body_t::update() {
    if (const float* ship = player_ship_position()) {
        const float sy = float(int32_t(ship[1]));
        if (sy < base_y) {
            base_y -= follow_step;
        } else if (sy > base_y) {
            base_y += follow_step;
        }
    }
    ride_wave();
    if (g_stage_position - key >= stay_span) {
        alive = 0;
        hp = 0;
        jet->kill();
        return;
    }
    animate();
    if (on_screen(x, y)) {
        count_and_fire(muzzle, 0, 1.0f);
    }
}

void body_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    place_jet(-jet_dx);
}

void body_t::start() {
    fire_clock = 0;
    twister_wave::body_t::start();
}

} // namespace twister008

twister006::body_t* stage_t::make_twister006_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<twister006::body_t>(stage, placement, info);
}

twister008::body_t* stage_t::make_twister008_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<twister008::body_t>(stage, placement, info);
}

void stage_t::spawn_twister006(stage_t* stage, const placement_t* placement) {
    spawn(stage, placement, {128, 83, 93, 32, 33}, make_twister006_body);
}

void stage_t::spawn_twister008(stage_t* stage, const placement_t* placement) {
    spawn(stage, placement, {130, 83, 93, 30, 31}, make_twister008_body);
}
