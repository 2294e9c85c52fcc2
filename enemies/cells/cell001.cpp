// Cell001's pulse, its spread shots and its death burst; the terrain gap finder.
#include "enemies/cells/cell001.h"

#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/terrain_probe.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t shot_count = 8;
constexpr uint32_t pulse = 64;
constexpr uint32_t fire_every = 127; // mask: once per 128 frames
constexpr int32_t growth_per_hp = 2;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 54;
constexpr int32_t burst_level = 3;
constexpr int32_t gap_step = 8;
constexpr int32_t screen_width = 256;
// A row of a terrain layer repeats within the widest layer's width: past that many 8-pixel steps a
// walk would meet only pixels it has met, so it stops there with the answer it would reach.
constexpr int32_t wrap_steps = terrain_wrap / gap_step;

} // namespace

int32_t terrain_gap_center_x(int32_t x, int32_t y) {
    int32_t left = 0;
    for (int32_t px = x, n = 0; px >= 0 && n < wrap_steps; px -= gap_step, ++n) {
        if (terrain_layer0_at(px, y)) {
            left = px;
            break;
        }
    }
    int32_t right = screen_width;
    for (int32_t px = x, n = 0; px < screen_width && n < wrap_steps; px += gap_step, ++n) {
        if (terrain_layer0_at(px, y)) {
            right = px;
            break;
        }
    }
    return (left + right) >> 1;
}

namespace cell001 {

void body_t::update() {
    size += (timer % pulse) < pulse / 2 ? 1 : -1;
    // The appearance key shifts the phase: cells placed apart fire on different frames.
    if (difficulty_level() >= 2 && ((key * 8 + timer) & fire_every) == 0) {
        fire(1);
    }
    ++timer;
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (alive) {
        growth = (max_hp() - hp) * growth_per_hp;
        return;
    }
    g_soundctr.request_se(se_destroyed);
    if (difficulty_level() >= burst_level) {
        fire(difficulty_level() / 2);
    }
}

void body_t::fire(int32_t n) {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    const int32_t aim = direction_to(&x, ship);
    size_t from = 0;
    for (int32_t i = 0; i < n; ++i) {
        from = next_idle(shots, from);
        if (from == shots.size()) {
            return;
        }
        // The spread before the speed: the draws' order is part of a replay.
        const int32_t r1 = rng::rand();
        const int32_t r2 = rng::rand();
        launch(shots[from], x, y, (aim + r1 / 4682 - 3) & 63, 1.0f + 0.1f * float(r2 / 5462));
        ++from;
    }
}

} // namespace cell001

cell001::body_t* stage_t::make_cell001(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    cell001::body_t* body = make_placed_enemy<cell001::body_t>(stage, placement, info);
    body->shots.reserve(16);
    return body;
}

void stage_t::spawn_cell001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 76, 238});
    if (!r) {
        return;
    }
    cell001::body_t* body = make_cell001(stage, placement, (*r)[0]);
    attach_death_explosion(stage, placement, body, (*r)[1]);
    make_shot_pool(stage, placement, (*r)[2], body, shot_count, body->shots);
    give_item(stage, placement, body);
}
