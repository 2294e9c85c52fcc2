// Worm005's construction, its head's homing and firing, and the burst of its death.
#include "enemies/worms/worm005.h"

#include "enemies/worms/chain.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr uint32_t trail_length = 26;
constexpr uint32_t step = 2;
constexpr int32_t segments = 12;
constexpr int32_t missile_count = 32;
constexpr int32_t shot_count = 1;
constexpr uint32_t homing_span = 0x10000;
constexpr float speed = 1.5f;
constexpr float shot_speed = 2.0f;
constexpr float behind = 12.0f;
constexpr float muzzle = 16.0f;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 39;
constexpr int32_t first_burst_level = 2;

// Missiles of the burst by level: none at level 1, 4, 8, 8, 16, 16, 32, 32 from level 2 to 8 on.
int32_t burst_count(int32_t level) {
    constexpr int32_t counts[8] = {0, 4, 8, 8, 16, 16, 32, 32};
    return counts[std::clamp(level, 1, 8) - 1];
}

} // namespace

namespace worm005 {

void worm_missile_t::update() {
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
    if (alive && g_frame_counter % 8 == 0) {
        pattern = (pattern + 1) % 4;
    }
}

head_t::head_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : part_t(info, x, y, key), trail(trail_length) {
    trail.fill(x, y, 0);
    burst_missiles.reserve(missile_count);
    shots.reserve(shot_count);
}

void head_t::update() {
    int32_t target = 32;
    if (g_stage_position - key < homing_span && g_player_ship != nullptr) {
        target = direction_to(position(), player_ship_position());
    }
    const int32_t wriggled = (target + ((clock & 15) < 8 ? 4 : -4)) & 63;
    const int32_t back_dir = (dir + 32) & 63;
    trail.push(x + behind * cos_table[back_dir], y - behind * sin_table[back_dir]);
    dir = worm::turned(dir, wriggled);
    pattern = dir / 2;
    worm::advance(*this, dir, speed);
    worm::place_behind(trail, back, step);
    if (dir == target) {
        fire();
    }
    ++clock;
}

void head_t::fire() {
    const size_t i = next_idle(shots, 0);
    if (i < shots.size()) {
        launch(shots[i], x + muzzle * cos_table[dir], y - muzzle * sin_table[dir], dir, shot_speed);
    }
}

void head_t::burst() {
    const int32_t level = difficulty_level();
    const int32_t n = burst_count(level);
    if (n == 0) {
        return;
    }
    const float burst_speed = 1.0f + 0.05f * float(level);
    const int32_t spread = 64 / n;
    size_t from = 0;
    for (int32_t i = 0; i < n; ++i) {
        from = next_idle(burst_missiles, from);
        if (from == burst_missiles.size()) {
            return;
        }
        launch(burst_missiles[from], x, y, (spread / 2 + i * spread) & 63, burst_speed);
        ++from;
    }
}

void head_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (alive) {
        return;
    }
    g_soundctr.request_se(se_destroyed);
    if (difficulty_level() >= first_burst_level) {
        burst();
    }
    for (part_t* p = back; p != nullptr; p = p->back) {
        p->kill();
    }
}

void head_t::move_x(int32_t d) {
    worm::shift_x(*this, trail, d);
}

void head_t::move_y(int32_t d) {
    worm::shift_y(*this, trail, d, false);
}

void head_t::move_y_wrapped(int32_t d) {
    worm::shift_y(*this, trail, d, true);
}

} // namespace worm005

worm005::head_t* stage_t::make_worm005_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm005::head_t>(stage, placement, info);
}

worm005::tail_t* stage_t::make_worm005_tail(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm005::tail_t>(stage, placement, info);
}

worm005::worm_missile_t* stage_t::make_worm005_worm_missile(stage_t* stage, const placement_t* placement,
                                                            const objectinfo_t* info) {
    return append_dormant<worm005::worm_missile_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_worm005(stage_t* stage, const placement_t* placement) {
    // Record 69 is asked for though only 22 is used: the burst missiles are shots of record 22 like the
    // head's own shot.
    const auto r = find_records({200, 201, 83, 69, 22});
    if (!r) {
        return;
    }
    const auto [head_record, segment_record, explosion, unused, shot] = *r;
    worm005::head_t* head = make_worm005_head(stage, placement, head_record);
    const float at[2] = {128.0f, 128.0f};
    head->dir = direction_to(head->position(), at);
    attach_death_explosion(stage, placement, head, explosion);
    for (int32_t i = 0; i < missile_count; ++i) {
        worm005::worm_missile_t* missile = make_worm005_worm_missile(stage, placement, shot);
        missile->set_owner(head);
        head->burst_missiles.push_back(missile);
    }
    make_shot_pool(stage, placement, shot, head, shot_count, head->shots);
    worm005::part_t* previous = head;
    for (int32_t k = 0; k < segments; ++k) {
        worm005::tail_t* segment = make_worm005_tail(stage, placement, segment_record);
        segment->pattern = std::min(k / 2, 3);
        segment->front = previous;
        previous->back = segment;
        previous = segment;
    }
    give_item(stage, placement, head);
}
