// Twister001's construction, its leader's sine path and its members' firing.
#include "enemies/twisters/twister001.h"

#include "enemies/formations/formation_chain.h"
#include "enemies/jet.h"
#include "objects/direction.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

#include <algorithm>

namespace {

constexpr uint32_t spacing = 20;
constexpr int32_t leave_x = -32;
constexpr int32_t jet_dx = 12;
constexpr int32_t jet_period = 2;
constexpr int32_t shots_per_member = 2;
constexpr int32_t first_firing_level = 2;
constexpr int32_t revenge_level = 5;
constexpr uint32_t fire_every = 32;

// Shot speeds of levels 2, 3, 4 and 5 upward.
float fire_speed(int32_t level) {
    constexpr float speeds[4] = {1.0f, 1.2f, 1.5f, 2.0f};
    return speeds[std::clamp(level, 2, 5) - 2];
}

template <typename Leader>
void spawn(stage_t* stage, const placement_t* placement, int32_t count,
           Leader* (*make_leader)(stage_t*, const placement_t*, const objectinfo_t*)) {
    const auto r = find_records({111, 69, 93, 18});
    if (!r) {
        return;
    }
    const auto [body, explosion, flame, shot] = *r;
    Leader* leader = make_leader(stage, placement, body);
    leader->set_member_count(count);
    // The placement's start angle, held to the sine table.
    leader->phase = wrap_mod(placement->param2, 360);
    give_item(stage, placement, leader);
    twister001::member_t* previous = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        jet_t* jet = stage_t::make_jet(stage, placement, flame);
        jet->period = jet_period;
        twister001::member_t* member = stage_t::make_twister001_member(stage, placement, body);
        attach_death_explosion(stage, placement, member, explosion);
        make_shot_pool(stage, placement, shot, member, shots_per_member, member->shots);
        member->jet = jet;
        member->prev = previous;
        if (previous != nullptr) {
            previous->next = member;
        } else {
            leader->first = member;
        }
        previous = member;
    }
}

} // namespace

namespace twister001 {

void leader_t::set_member_count(int32_t count) {
    formation::size_history(log, *this, spacing, count);
}

void leader_t::update() {
    set_position(x - 1.0f, base_y + float(amplitude) * sin_table_deg[phase]);
    log.push(x, y);
    if (formation::place_chain(log, first, spacing, last_member) == 0) {
        formation::end_chain(*this, last_member);
        return;
    }
    if (g_frame_counter % 2 == 0) {
        formation::animate_chain(*this, first);
    }
    phase = wrap_mod(int64_t(phase) + step, 360);
}

void leader_t::move_y(int32_t d) {
    y += float(d);
    base_y += float(d);
    formation::shift_history_y(log, d, false);
}

void leader_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    base_y = wrapped_y(base_y, d);
    formation::shift_history_y(log, d, true);
}

void member_t::update() {
    if (int32_t(x) < leave_x) {
        alive = 0;
        hp = 0;
        return;
    }
    if (terrain_layer0_or_cg_at(int32_t(x), int32_t(y))) {
        kill();
        return;
    }
    if (difficulty_level() >= first_firing_level && g_player_ship != nullptr &&
        fire_counter % fire_every == 0) {
        const int32_t sx = int32_t(g_player_ship->x);
        const int32_t sy = int32_t(g_player_ship->y);
        const int32_t ix = int32_t(x);
        const int32_t iy = int32_t(y);
        if (sx - 32 <= ix && ix < sx + 96 && sy - 80 <= iy && iy < sy + 80) {
            fire(fire_speed(difficulty_level()));
        }
    }
    ++fire_counter;
}

void member_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    if (jet != nullptr) {
        jet->set_position(new_x + jet_dx, new_y);
    }
}

void member_t::start() {
    enemy_t::start();
    if (jet != nullptr) {
        jet->start();
    }
}

void member_t::kill() {
    enemy_t::kill();
    if (jet != nullptr) {
        jet->kill();
    }
}

void member_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    formation::twister_member_hit(*this, revenge_level);
}

void member_t::fire(float speed) {
    if (g_player_ship == nullptr) {
        return;
    }
    const int32_t d = direction_to(position(), g_player_ship->position());
    for (missile_t* shot : shots) {
        if (!shot->alive) {
            shot->set_position(x, y);
            shot->speed = speed;
            shot->direction = d;
            shot->vx = speed * cos_table[d];
            shot->vy = -speed * sin_table[d];
            shot->start();
            return;
        }
    }
}

} // namespace twister001

twister001::leaderA_t* stage_t::make_twister001_leaderA(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister001::leaderA_t>(stage, placement, info);
}

twister001::leaderB_t* stage_t::make_twister001_leaderB(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister001::leaderB_t>(stage, placement, info);
}

twister001::member_t* stage_t::make_twister001_member(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<twister001::member_t>(stage, placement, info);
}

void stage_t::spawn_twister001_a(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn(stage, placement, count, make_twister001_leaderA);
}

void stage_t::spawn_twister001_b(stage_t* stage, const placement_t* placement, int32_t count) {
    spawn(stage, placement, count, make_twister001_leaderB);
}
