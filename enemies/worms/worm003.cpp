// Worm003's construction and its head's chase, with the bodies on the head's history.
#include "enemies/worms/worm003.h"

#include "enemies/damage_tail.h"
#include "enemies/worms/chain.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t step = 4;
constexpr uint32_t trail_length = 32;
constexpr int32_t bodies = 7;
constexpr int32_t se_destroyed = 2;
constexpr int32_t revenge_level = 4;
constexpr uint32_t homing_span = 0x20080;
constexpr int32_t cascade_frames = 3;

} // namespace

namespace worm003 {

head_t::head_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : part_t(info, x, y, key), trail(trail_length) {
    trail.fill(x, y, 0);
}

void head_t::update() {
    int32_t target = 32;
    if (g_stage_position - key < homing_span && g_player_ship != nullptr) {
        target = direction_to(position(), player_ship_position());
    }
    dir = worm::turned(dir, target);
    trail.push(x, y);
    worm::advance(*this, dir, (clock & 31) < 20 ? 1.0f : 1.5f);
    worm::place_behind(trail, back, step);
    ++clock;
}

void head_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::death_tail(*this, {se_destroyed}, revenge_level);
}

void body_t::update() {
    if (front != nullptr && !front->alive && ++death_count == cascade_frames) {
        kill();
    }
}

} // namespace worm003

worm003::head_t* stage_t::make_worm003_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm003::head_t>(stage, placement, info);
}

worm003::body_t* stage_t::make_worm003_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm003::body_t>(stage, placement, info);
}

void stage_t::spawn_worm003(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({194, 195, 74});
    if (!r) {
        return;
    }
    const auto [head_record, body_record, explosion] = *r;
    worm003::head_t* head = make_worm003_head(stage, placement, head_record);
    attach_death_explosion(stage, placement, head, explosion);
    std::vector<worm003::part_t*> chain{head};
    for (int32_t i = 1; i <= bodies; ++i) {
        worm003::body_t* body = make_worm003_body(stage, placement, body_record);
        if (i % 2 == 0) {
            attach_death_explosion(stage, placement, body, explosion);
        }
        body->head = head;
        body->front = chain.back();
        chain.back()->back = body;
        chain.push_back(body);
    }
    // Patterns rise from both ends towards the middle: 0 1 2 3 3 2 1 0.
    for (size_t k = 0; k < chain.size(); ++k) {
        chain[k]->pattern = int32_t(std::min<size_t>(std::min(k, chain.size() - 1 - k), 3));
    }
}
