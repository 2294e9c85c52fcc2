// Twister005's release, its members' flight and aimed shots, and its assembly.
#include "enemies/twisters/twister005.h"

#include "enemies/damage_tail.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t leader_record = 0;
constexpr uint32_t release_every = 32;
constexpr float member_speed = 1.2f;
constexpr int32_t pattern_step = 3;
constexpr int32_t first_firing_level = 2;
constexpr int32_t screen_low = -32;
constexpr int32_t screen_high = 288;
constexpr int32_t shot_count = 4;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 57;

// Member record of each formation type; a type outside the table names its members itself.
constexpr int32_t member_types[4][2] = {{121, 120}, {123, 122}, {125, 124}, {127, 126}};

int32_t member_type(int32_t type) {
    for (const auto& [formation, member] : member_types) {
        if (type == formation) {
            return member;
        }
    }
    return type;
}

bool inside(float v) {
    return v >= float(screen_low) && v < float(screen_high);
}

} // namespace

namespace twister005 {

void leader_t::update() {
    if (state == 0) {
        if (released < members.size() && (clock & (release_every - 1)) == 0) {
            member_t* m = members[released];
            m->set_position(x, y);
            m->pattern = released == 0 ? 0 : (members[released - 1]->pattern + pattern_step) & 15;
            m->held = 0;
            ++released;
        }
        if (released >= members.size()) {
            state = 1;
            clock = 0;
        }
    }
    if (state == 1) {
        bool any = false;
        for (member_t* m : members) {
            if (m->alive) {
                any = true;
                last_alive = m;
            }
        }
        if (!any) {
            if (last_alive != nullptr) {
                set_position(last_alive->x, last_alive->y);
            }
            drop_carried();
            kill();
            return;
        }
    }
    ++clock;
}

void leader_t::start() {
    for (member_t* m : members) {
        m->set_position(x, y);
        m->start();
    }
    state = 0;
    clock = 0;
    enemy_t::start();
}

void leader_t::kill() {
    for (member_t* m : members) {
        m->alive = 0;
        m->hp = 0;
    }
    enemy_t::kill();
}

member_t::member_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
    shots.reserve(4);
    switch (info->id) {
    case 120:
        vx = member_speed;
        break;
    case 122:
        vx = -member_speed;
        break;
    case 124:
        vy = -member_speed;
        break;
    case 126:
        vy = member_speed;
        break;
    default:
        break;
    }
}

void member_t::update() {
    if (held) {
        return;
    }
    set_position(x + vx, y + vy);
    pattern = (pattern + 1) & 15;
    const int32_t level = difficulty_level();
    // The level is held to 1..8, so the interval never reaches 0.
    const uint32_t interval = 8 * uint32_t(11 - level);
    if (inside(x) && inside(y) && level >= first_firing_level && clock > 0 && clock % interval == 0) {
        fire();
    }
    ++clock;
}

void member_t::start() {
    held = 1;
    clock = 0;
    enemy_t::start();
}

void member_t::damage(int32_t n) {
    if (held || n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed});
}

void member_t::fire() {
    const float* ship = player_ship_position();
    const size_t i = next_idle(shots, 0);
    if (ship == nullptr || i == shots.size()) {
        return;
    }
    const float speed = 1.0f + 0.1f * float(difficulty_level() - 1);
    launch(shots[i], x, y, direction_to(position(), ship), speed);
}

} // namespace twister005

twister005::leader_t* stage_t::make_twister005_leader(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<twister005::leader_t>(stage, placement, info);
}

twister005::member_t* stage_t::make_twister005_member(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<twister005::member_t>(stage, placement, info);
}

twister005::member_t* stage_t::spawn_twister005_member(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({placement->type, 83, 18});
    if (!r) {
        return nullptr;
    }
    const auto [member_info, explosion, shot] = *r;
    twister005::member_t* member = make_twister005_member(stage, placement, member_info);
    attach_death_explosion(stage, placement, member, explosion);
    make_shot_pool(stage, placement, shot, member, shot_count, member->shots);
    return member;
}

twister005::leader_t* stage_t::spawn_twister005(stage_t* stage, const placement_t* placement, int32_t count) {
    const objectinfo_t* record = objectinfo_find(leader_record);
    if (record == nullptr) {
        return nullptr;
    }
    twister005::leader_t* leader = make_twister005_leader(stage, placement, record);
    placement_t members = *placement;
    members.type = member_type(placement->type);
    for (int32_t i = 0; i < count; ++i) {
        // A member without its records is left out, so that the leader holds only members.
        if (twister005::member_t* member = spawn_twister005_member(stage, &members)) {
            leader->members.push_back(member);
        }
    }
    give_item(stage, placement, leader);
    return leader;
}
