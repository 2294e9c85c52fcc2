// The phoenix bird's hatching, flight and fans, its nest, and their assembly.
#include "enemies/chasers/phoenix.h"

#include "enemies/chasers/chase.h"
#include "enemies/damage_tail.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t bird_record = 214;
constexpr int32_t nest_record = 215;
constexpr uint32_t hatch_period = 5;
constexpr int32_t hatch_patterns = 8;
constexpr uint32_t flap_period = 6;
constexpr int32_t first_flap = 8;
constexpr int32_t flaps = 5;
constexpr int32_t left = 32;
constexpr float drift = 0.7f;
constexpr float last_firing_x = 32;
constexpr float gone_x = -16;
constexpr int32_t fan_spacing = 4;
constexpr float shot_speed = 1.2f;
constexpr int32_t shot_count = 16;
constexpr uint32_t nest_period = 6;
constexpr int32_t nest_patterns = 8;
constexpr int32_t se_hit = 47;
constexpr int32_t se_bird_destroyed = 66;
constexpr int32_t se_nest_destroyed = 67;
constexpr int32_t revenge_level = 6;

enum : int32_t { hatching = 0, flying = 1 };

struct fan_t {
    uint32_t period;
    int32_t shots;
};

// Levels 1 to 4, then any other.
fan_t fan_of(int32_t level) {
    constexpr fan_t by_level[5] = {{128, 1}, {128, 2}, {64, 2}, {64, 3}, {64, 4}};
    return by_level[std::clamp(level, 1, 5) - 1];
}

// Where the nest lets out its birds, in slot order.
constexpr float release_offsets[4][2] = {{-20, 0}, {-8, -8}, {-8, 8}, {8, 0}};

} // namespace

namespace phoenix001 {

void body_t::update() {
    if (state == hatching) {
        if (state_timer % hatch_period == 0 && pattern + 1 >= hatch_patterns) {
            state = flying;
            state_timer = 0;
        } else {
            if (state_timer % hatch_period == 0) {
                ++pattern;
            }
            ++state_timer;
        }
    } else {
        if (state_timer % flap_period == 0) {
            pattern = wrap_mod(pattern - (first_flap - 1), flaps) + first_flap;
        }
        chase::advance(*this, left, drift);
        const fan_t fan = fan_of(difficulty_level());
        if (x >= last_firing_x && (state_timer & (fan.period - 1)) == 0) {
            fire_fan(fan.shots);
        }
        ++state_timer;
    }
    if (x < gone_x) {
        alive = 0;
        hp = 0;
    }
}

void body_t::fire_fan(int32_t n) {
    const int32_t aim = chase::direction_to_ship(position(), left);
    size_t from = 0;
    for (int32_t k = 0; k < n; ++k) {
        from = next_idle(shots, from);
        if (from == shots.size()) {
            return;
        }
        launch(shots[from], x, y, wrap64(aim - 2 * (n - 1) + fan_spacing * k), shot_speed);
    }
}

void body_t::damage(int32_t n) {
    if (state == hatching || n == 0) {
        return;
    }
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_bird_destroyed}, revenge_level);
}

int32_t body_t::contact_damage() {
    return state == hatching ? 0 : enemy_t::contact_damage();
}

} // namespace phoenix001

namespace phoenix002 {

void body_t::update() {
    if (counter % nest_period == 0) {
        pattern = (pattern + 1) % nest_patterns;
    }
    chase::advance(*this, left, drift);
    ++counter;
}

void body_t::damage(int32_t n) {
    const bool was_alive = alive != 0;
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_nest_destroyed});
    if (!was_alive || alive) {
        return; // the birds are let out once, when it dies
    }
    for (size_t i = 0; i < children.size(); ++i) {
        children[i]->set_position(x + release_offsets[i][0], y + release_offsets[i][1]);
        children[i]->start();
    }
}

} // namespace phoenix002

phoenix001::body_t* stage_t::make_phoenix001_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<phoenix001::body_t>(stage, placement, info);
}

phoenix002::body_t* stage_t::make_phoenix002_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<phoenix002::body_t>(stage, placement, info);
}

phoenix001::body_t* stage_t::spawn_phoenix001_body(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({bird_record, 69, 24});
    if (!r) {
        return nullptr;
    }
    const auto [bird, explosion, shot] = *r;
    phoenix001::body_t* body = make_phoenix001_body(stage, placement, bird);
    attach_death_explosion(stage, placement, body, explosion);
    make_shot_pool(stage, placement, shot, body, shot_count, body->shots);
    give_item(stage, placement, body);
    return body;
}

void stage_t::spawn_phoenix001(stage_t* stage, const placement_t* placement) {
    spawn_phoenix001_body(stage, placement);
}

void stage_t::spawn_phoenix002(stage_t* stage, const placement_t* placement) {
    // The birds' records too: a nest must never be left with an empty slot.
    const auto r = find_records({nest_record, 68, bird_record, 69, 24});
    if (!r) {
        return;
    }
    const auto [nest, explosion, bird, bird_explosion, shot] = *r;
    phoenix002::body_t* body = make_phoenix002_body(stage, placement, nest);
    attach_death_explosion(stage, placement, body, explosion);
    placement_t copy = *placement;
    copy.type = bird_record;
    copy.item = -1;
    for (phoenix001::body_t*& child : body->children) {
        child = spawn_phoenix001_body(stage, &copy);
        child->alive = 0;
        child->hp = 0;
    }
}
