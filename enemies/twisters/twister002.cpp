// Twister002's construction, its leaders' four scripts and the hatch's hold on the chain.
#include "enemies/twisters/twister002.h"

#include "enemies/formations/formation_chain.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/terrain_probe.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

namespace {

constexpr uint32_t spacing = 16;
constexpr uint32_t launch_frames = 15; // the run ends in the frame after the timer passes this
constexpr float turn_speed = 1.5f;
constexpr int32_t explosion_period = 2;
constexpr int32_t frozen_x = -32;
constexpr int32_t revenge_level = 7;

template <typename Leader>
enemy_t* spawn(stage_t* stage, const placement_t* placement, int32_t count,
               Leader* (*make_leader)(stage_t*, const placement_t*, const objectinfo_t*)) {
    // Record 18 makes nothing here, yet a chain is only built where it exists.
    const auto r = find_records({114, 73, 18});
    if (!r) {
        return nullptr;
    }
    const objectinfo_t* body = (*r)[0];
    const objectinfo_t* explosion = (*r)[1];
    Leader* leader = make_leader(stage, placement, body);
    leader->set_member_count(count);
    give_item(stage, placement, leader);
    twister002::member_t* previous = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        twister002::member_t* member = stage_t::make_twister002_member(stage, placement, body);
        attach_death_explosion(stage, placement, member, explosion)->period = explosion_period;
        member->prev = previous;
        if (previous != nullptr) {
            previous->next = member;
        } else {
            leader->first = member;
        }
        previous = member;
    }
    return leader;
}

} // namespace

namespace twister002 {

const kind_data_t kind_a{0, turn_speed, {-32, -9999, 288, 10255}, false};
const kind_data_t kind_b{0, -turn_speed, {-32, -9999, 288, 10255}, false};
const kind_data_t kind_c{-turn_speed, 0, {-32, -9999, 10255, 10255}, false};
const kind_data_t kind_d{turn_speed, 0, {-9999, -9999, 288, 10255}, true};

void leader_t::move_x(int32_t d) {
    x += float(d);
    log.shift(float(d), 0);
}

void leader_t::move_y(int32_t d) {
    y += float(d);
    formation::shift_history_y(log, d, false);
}

void leader_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    formation::shift_history_y(log, d, true);
}

void leader_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    log.push(new_x, new_y);
}

void leader_t::start() {
    log.fill(x, y, 0);
    enemy_t::start();
}

void leader_t::set_member_count(int32_t count) {
    formation::size_history(log, *this, spacing, count);
}

void leader_t::place_members(const field_t& f) {
    const auto inside = [&f](const poslog_t::entry_t& at) {
        const int32_t ix = int32_t(at.x);
        const int32_t iy = int32_t(at.y);
        return f.x0 <= ix && ix < f.x1 && f.y0 <= iy && iy < f.y1;
    };
    if (formation::place_chain(log, first, spacing, last_member, inside) == 0) {
        formation::end_chain(*this, last_member);
        return;
    }
    formation::animate_chain(*this, first);
}

void leader_t::park() {
    alive = 0;
    hp = 0;
    for (member_t* m = first; m != nullptr; m = m->next) {
        m->alive = 0;
        m->hp = 0;
    }
}

void leader_t::launch(float at_x, float at_y, int32_t members) {
    set_position(at_x, at_y);
    pattern = 0;
    start();
    member_t* m = first;
    for (int32_t i = 0; i < members && m != nullptr; ++i, m = m->next) {
        m->set_position(at_x, at_y);
        m->pattern = 0;
        m->start();
    }
}

void kind_t::start() {
    state = 0;
    timer = 0;
    vx = 0;
    vy = 0;
    leader_t::start();
}

void kind_t::update() {
    switch (state) {
    case 0:
        if (timer > launch_frames) {
            state = 1;
            timer = 0;
        } else {
            vx = kind.launch_vx;
            vy = kind.launch_vy;
            ++timer;
        }
        break;
    case 1: {
        const ship_t* ship = g_player_ship;
        // Passed the ship's line along the launch direction.
        if (ship != nullptr && (ship->x - x) * kind.launch_vx + (ship->y - y) * kind.launch_vy < 0) {
            const float sx = ship->x;
            const float sy = ship->y;
            if (kind.launch_vx == 0) {
                vx = x < sx ? turn_speed : -turn_speed;
                vy = 0;
            } else {
                vx = 0;
                vy = y < sy ? turn_speed : -turn_speed;
            }
            state = 2;
            timer = 0;
        } else {
            ++timer;
        }
        break;
    }
    default:
        ++timer;
        break;
    }
    if (kind.frozen_left && x < float(frozen_x)) {
        return;
    }
    set_position(x + vx, y + vy);
    place_members(kind.field);
}

void member_t::update() {
    if (terrain_layer0_or_cg_at(int32_t(x), int32_t(y))) {
        kill();
    }
}

void member_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    formation::twister_member_hit(*this, revenge_level);
}

} // namespace twister002

twister002::leaderA_t* stage_t::make_twister002_leaderA(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister002::leaderA_t>(stage, placement, info);
}

twister002::leaderB_t* stage_t::make_twister002_leaderB(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister002::leaderB_t>(stage, placement, info);
}

twister002::leaderC_t* stage_t::make_twister002_leaderC(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister002::leaderC_t>(stage, placement, info);
}

twister002::leaderD_t* stage_t::make_twister002_leaderD(stage_t* stage, const placement_t* placement,
                                                        const objectinfo_t* info) {
    return make_placed_enemy<twister002::leaderD_t>(stage, placement, info);
}

twister002::member_t* stage_t::make_twister002_member(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<twister002::member_t>(stage, placement, info);
}

enemy_t* stage_t::spawn_twister002_a(stage_t* stage, const placement_t* placement, int32_t count) {
    return spawn(stage, placement, count, make_twister002_leaderA);
}

enemy_t* stage_t::spawn_twister002_b(stage_t* stage, const placement_t* placement, int32_t count) {
    return spawn(stage, placement, count, make_twister002_leaderB);
}

enemy_t* stage_t::spawn_twister002_c(stage_t* stage, const placement_t* placement, int32_t count) {
    return spawn(stage, placement, count, make_twister002_leaderC);
}

enemy_t* stage_t::spawn_twister002_d(stage_t* stage, const placement_t* placement, int32_t count) {
    return spawn(stage, placement, count, make_twister002_leaderD);
}
