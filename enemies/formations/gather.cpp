// The gathering ring's forming round the ship, its fade in, rush and fade out, and its assembly.
#include "enemies/formations/gather.h"

#include "enemies/chasers/chase.h"
#include "enemies/damage_tail.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr int32_t record = 168;
constexpr int32_t members = 15;
constexpr float radius = 96;
constexpr int32_t unseen = 256;
constexpr int32_t fade_step = 8;
constexpr uint32_t solid_frames = 48;
constexpr float rush_speed = 3.0f;
constexpr int32_t spin_step = 2;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 20;

enum : int32_t { waiting = 0, fading_in = 1, rushing = 2 };

// How many take part: 4 at level 1, 8 at level 2, else 16.
int32_t ring_size(int32_t level) {
    return level == 1 ? 4 : level == 2 ? 8 : 16;
}

} // namespace

namespace gather {

void leader_t::update() {
    if (formed == 0) {
        const float* ship = player_ship_position();
        const float sx = ship != nullptr ? ship[0] : x;
        const float sy = ship != nullptr ? ship[1] : y;
        const int32_t n = ring_size(difficulty_level());
        int32_t d = 32 / n;
        for (member_t* m = this; m != nullptr && d <= 63; m = m->next, d += 64 / n) {
            m->set_position(chase::along_x(sx, d, radius), chase::along_y(sy, d, radius));
            m->direction = (d + 32) % 64;
            m->pattern = (d + 32) % 32;
            m->state = fading_in;
            m->timer = 0;
        }
        formed = 1;
    }
    member_t::update();
}

void member_t::update() {
    switch (state) {
    case waiting:
        ++timer;
        return;
    case fading_in:
        if (fade > 0) {
            fade = std::max(fade - fade_step, 0);
            ++timer;
            return;
        }
        state = rushing;
        timer = 0;
        break;
    default:
        break;
    }
    if (timer >= solid_frames) {
        fade = std::min(fade + fade_step, unseen);
        pattern = (pattern + spin_step) % 32;
    }
    if (fade < unseen) {
        chase::advance(*this, direction, rush_speed);
    } else {
        alive = 0;
        hp = 0;
    }
    ++timer;
}

void member_t::damage(int32_t n) {
    if (fade != 0 || n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed});
}

int32_t member_t::contact_damage() {
    return fade != 0 ? 0 : enemy_t::contact_damage();
}

} // namespace gather

gather::leader_t* stage_t::make_gather_leader(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<gather::leader_t>(stage, placement, info);
}

gather::member_t* stage_t::make_gather_member(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<gather::member_t>(stage, placement, info);
}

void stage_t::spawn_gather(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({record, 69});
    if (!r) {
        return;
    }
    const auto [info, explosion] = *r;
    gather::leader_t* leader = make_gather_leader(stage, placement, info);
    attach_death_explosion(stage, placement, leader, explosion);
    gather::member_t* last = leader;
    for (int32_t i = 0; i < members; ++i) {
        gather::member_t* member = make_gather_member(stage, placement, info);
        attach_death_explosion(stage, placement, member, explosion);
        last->next = member;
        last = member;
    }
    give_item(stage, placement, leader);
}
