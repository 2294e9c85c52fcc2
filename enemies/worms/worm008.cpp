// Worm008's construction, its sway and bursts of paired shots, and its sinking death.
#include "enemies/worms/worm008.h"

#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr uint32_t trail_length = 20;
constexpr int32_t body_count = 4;
constexpr int32_t blast_count = 16;
constexpr int32_t puff_count = 32;
constexpr int32_t shot_count = 16;
constexpr int32_t body_pattern = 4;
constexpr uint32_t puff_period = 2;
constexpr float puff_speed = 2.0f;
constexpr uint32_t muzzle_period = 3;
constexpr int32_t blast_dx[8] = {0, 8, 24, -24, -8, -16, 20, -8};
constexpr int32_t blast_dy[8] = {-8, 4, 8, -8, 12, -16, 0, 12};
// All within three steps of straight up.
constexpr int32_t puff_directions[8] = {16, 13, 19, 15, 16, 17, 14, 18};

constexpr float reach = 72;
constexpr float wake_x = 288;
constexpr int32_t full_amplitude = 20;
constexpr int32_t least_amplitude = 4;
constexpr int32_t phase_step = 6;
constexpr float shot_speed = 1.5f;
constexpr int32_t shot_direction = 32;
constexpr float muzzle_x = 16;
constexpr float muzzle_dy = 2;
constexpr uint32_t dying_frames = 64;
constexpr float deepest = 24;
constexpr float first_segment_x = 20;
constexpr float segment_gap = 12;
constexpr float sway_loss = 0.4f;
constexpr int32_t fatal = 9999;
constexpr int32_t se_dying = 75;
constexpr int32_t se_hit = 48;
constexpr int32_t se_fire = 49;
constexpr int32_t se_dead = 42;

enum : int32_t { setting_up = 0, waiting = 1, swaying = 2, dying = 100 };

// Starts the entry at the cursor unless it still runs, and only then moves the cursor on.
void fire_next(mul_explosion_t& set, float x, float y) {
    if (set.entries.empty()) {
        return;
    }
    const mul_explosion_t::data_t& entry = set.entries[size_t(set.next)];
    if (entry.explosion->alive) {
        return;
    }
    entry.explosion->set_position(float(int32_t(x) + entry.dx), float(int32_t(y) + entry.dy));
    entry.explosion->start();
    set.next = (set.next + 1) % int32_t(set.entries.size());
}

} // namespace

namespace worm008 {

bool body_t::is_flashing() {
    return head != nullptr && head->is_flashing();
}

head_t::head_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), trail(trail_length), anchor_x(x), anchor_y(y) {
    bodies.reserve(body_count);
    blasts.entries.reserve(4);
    puffs.entries.reserve(4);
}

void head_t::update() {
    if (amplitude < full_amplitude && g_frame_counter % 4 == 0) {
        ++amplitude;
    }
    for (bool again = true; again;) {
        again = false;
        if (state == setting_up) {
            phase = 0;
            amplitude = full_amplitude;
            set_position(anchor_x - reach, anchor_y);
            trail.fill(x, y, 0);
            again = enter_phase(state, timer, waiting);
        } else if (state == waiting) {
            if (x < wake_x) {
                again = enter_phase(state, timer, swaying);
            }
        } else if (state == swaying) {
            sway();
        } else if (state == dying) {
            sink();
        }
    }
    trail.push(x, y);
    place_bodies();
    ++timer;
}

void head_t::sway() {
    y = anchor_y - float(amplitude) * sin_table_deg[phase];
    phase = (phase + phase_step) % 360;
    if (timer % 64 < 24 && timer % 8 == 0) {
        fire_pair();
    }
}

void head_t::sink() {
    if (timer >= dying_frames) {
        enemy_t::damage(fatal);
        g_soundctr.request_se(se_dead);
        return;
    }
    if (timer > 10) {
        y = std::min(y + 1, anchor_y + deepest);
    }
    if (timer >= 16 && timer <= 55 && timer % 8 == 0) {
        fire_next(puffs, x - 12, y);
    }
    if (timer % 6 == 0) {
        fire_next(blasts, x, y);
    }
}

void head_t::fire_pair() {
    size_t i = 0;
    for (const float dy : {-muzzle_dy, muzzle_dy}) {
        i = next_idle(shots, i, true);
        if (i == shots.size()) {
            break;
        }
        shots[i]->start_effect_at(x - muzzle_x, y + dy);
        launch(shots[i], x - muzzle_x, y + dy, shot_direction, shot_speed);
        ++i;
    }
    g_soundctr.request_se(se_fire);
}

void head_t::place_bodies() {
    float f = 1.0f;
    float sx = x + first_segment_x;
    for (size_t i = 0; i < bodies.size(); ++i) {
        const poslog_t::entry_t& at = trail.entry(4 * uint32_t(i + 1));
        bodies[i]->set_position(sx, anchor_y + (at.y - anchor_y) * f);
        sx += segment_gap;
        f = std::max(f - sway_loss, 0.0f);
    }
}

void head_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    if (int64_t(hp) - n <= 0) {
        if (state != dying) {
            enter_phase(state, timer, dying);
            g_soundctr.request_se(se_dying);
        }
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (g_frame_counter % 2 == 0) {
        amplitude = std::max(amplitude - 1, least_amplitude);
    }
    if (g_frame_counter % 4 == 0) {
        const float at[2] = {x - 8, y};
        spawn_sparks(at, 1);
    }
}

void head_t::kill() {
    piveter_t::kill();
    for (body_t* body : bodies) {
        body->object_t::damage(fatal);
    }
}

void head_t::move_x(int32_t d) {
    anchor_x += float(d);
    x += float(d);
}

void head_t::move_y(int32_t d) {
    anchor_y += float(d);
    y += float(d);
}

void head_t::move_y_wrapped(int32_t d) {
    anchor_y = wrapped_y(anchor_y, d);
    y = wrapped_y(y, d);
}

} // namespace worm008

worm008::head_t* stage_t::make_worm008_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm008::head_t>(stage, placement, info);
}

worm008::body_t* stage_t::make_worm008_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm008::body_t>(stage, placement, info);
}

void stage_t::spawn_worm008(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({211, 212, 213, 84, 69, 30, 31, 67, 68, 69});
    if (!r) {
        return;
    }
    const auto [head_record, body_record, smoke_record, head_blast, body_blast, shot, muzzle, b0, b1, b2] =
        *r;
    worm008::head_t* head = make_worm008_head(stage, placement, head_record);
    attach_death_explosion(stage, placement, head, head_blast);
    for (int32_t i = 0; i < body_count; ++i) {
        worm008::body_t* body = make_worm008_body(stage, placement, body_record);
        attach_death_explosion(stage, placement, body, body_blast);
        body->head = head;
        body->pattern = body_pattern;
        head->bodies.push_back(body);
    }
    int32_t dx[blast_count];
    int32_t dy[blast_count];
    for (int32_t k = 0; k < blast_count; ++k) {
        dx[k] = blast_dx[k % 8];
        dy[k] = blast_dy[k % 8];
    }
    make_explosion_row(stage, placement, {b0, b1, b2}, blast_count, dx, dy, head->blasts);
    for (int32_t k = 0; k < puff_count; ++k) {
        head->puffs.add(make_drifting_smoke(stage, placement, smoke_record, puff_directions[k % 8],
                                            puff_speed, puff_period),
                        0, 0);
    }
    for (int32_t k = 0; k < shot_count; ++k) {
        make_shot_with_effect(stage, placement, shot, muzzle, muzzle_period, nullptr, head->shots);
    }
    give_item(stage, placement, head);
}
