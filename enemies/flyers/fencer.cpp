// The fencer's entry, loops and exit, its aimed shots by level, its damage and its assembly.
#include "enemies/flyers/fencer.h"

#include "enemies/chasers/chase.h"
#include "enemies/damage_tail.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr int32_t body_record = 142;
constexpr uint32_t entry_frames = 64;
constexpr int32_t left = 32;
constexpr uint32_t turn_period = 4;
constexpr float speed = 2.4f;
constexpr int32_t first_firing_level = 2;
constexpr float near_reach = 64;
constexpr uint32_t fire_period = 32;
constexpr float gone_x = -32;
constexpr int32_t shot_count = 2;
constexpr uint32_t explosion_period = 1;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 23;
constexpr int32_t se_destroyed_blast = 2;
constexpr int32_t revenge_level = 6;

enum : int32_t { entering = 0, looping_up = 1, looping_down = 2, leaving = 100 };

// Levels 2 to 5 and above.
float shot_speed(int32_t level) {
    constexpr float by_level[4] = {1.0f, 1.2f, 1.5f, 2.0f};
    return by_level[std::clamp(level, 2, 5) - 2];
}

} // namespace

namespace fencer {

bool body_t::step_state() {
    for (;;) {
        switch (state) {
        case entering:
            if (timer < entry_frames) {
                direction = left;
                return false;
            }
            state = turn == 1 ? looping_up : looping_down;
            timer = 0;
            continue;
        case looping_up:
        case looping_down:
            if (timer % turn_period == 0) {
                direction = (direction + (state == looping_up ? 1 : -1)) & 63;
            }
            if (g_stage_position - key >= stay && direction == left) {
                state = leaving;
                timer = 0;
            }
            return true;
        default:
            return false;
        }
    }
}

void body_t::update() {
    const bool looping = step_state();
    chase::advance(*this, direction, speed);
    pattern = direction;
    const int32_t level = difficulty_level();
    if (looping && level >= first_firing_level && chase::ship_within(x, y, near_reach) &&
        timer % fire_period == 0) {
        fire(shot_speed(level));
    }
    if (x < gone_x) {
        alive = 0;
        hp = 0;
    }
    ++timer;
}

void body_t::fire(float s) {
    const int32_t d = chase::direction_to_ship(position(), direction);
    const size_t i = next_idle(shots, 0);
    if (i == shots.size()) {
        return;
    }
    shots[i]->pattern = 0;
    launch(shots[i], x, y, d, s);
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed, se_destroyed_blast}, revenge_level);
}

} // namespace fencer

fencer::body_t* stage_t::make_fencer_body(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<fencer::body_t>(stage, placement, info);
}

void stage_t::spawn_fencer(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({body_record, 68, 19, 31});
    if (!r) {
        return;
    }
    const auto [body_info, explosion, shot, required_only] = *r; // record 31 is only required
    fencer::body_t* body = make_fencer_body(stage, placement, body_info);
    attach_death_explosion(stage, placement, body, explosion)->period = explosion_period;
    body->turn = placement->param2;
    make_shot_pool(stage, placement, shot, body, shot_count, body->shots);
}
