// Midboss001's assembly: a column of units, each a body with two flames, two winged shields with a flame
// each, 32 spread shots, 4 beam shots with their muzzle effects and the placement's item.
#include "bosses/midboss001/midboss001.h"
#include "enemies/jet.h"
#include "objects/big_explosion.h"
#include "play/spawn_helpers.h"

#include <algorithm>

namespace {

constexpr int32_t spread_shot_count = 32;
constexpr int32_t beam_shot_count = 4;
constexpr int32_t column_height = 512;

} // namespace

midboss001::body_t* stage_t::make_midboss001_body(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<midboss001::body_t>(stage, placement, info);
}

midboss001::wing_t* stage_t::make_midboss001_wing(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<midboss001::wing_t>(stage, placement, info);
}

midboss001::body_t* stage_t::assemble_midboss001(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({263, 264, 265, 28, 29, 93});
    if (!r) {
        return nullptr;
    }
    const auto& records = *r;
    jet_t* jet_a = make_jet(stage, placement, records[5]);
    jet_t* jet_b = make_jet(stage, placement, records[5]);
    midboss001::body_t* body = make_midboss001_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_small(stage, placement));
    body->upper_jet = jet_a;
    body->lower_jet = jet_b;
    make_shot_pool(stage, placement, records[2], body, spread_shot_count, body->spread_shots);
    for (int32_t i = 0; i < beam_shot_count; ++i) {
        make_shot_with_effect(stage, placement, records[3], records[4], 2, body, body->beam_shots);
    }
    midboss001::wing_t* wings[2];
    for (int32_t side = 0; side < 2; ++side) {
        midboss001::wing_t* wing = make_midboss001_wing(stage, placement, records[1]);
        wing->pattern = side;
        wing->jet = make_jet(stage, placement, records[5]);
        wing->body = body;
        wings[side] = wing;
    }
    body->upper_wing = wings[0];
    body->lower_wing = wings[1];
    give_item(stage, placement, body);
    return body;
}

void stage_t::spawn_midboss001(stage_t* stage, const placement_t* placement) {
    const int32_t n = std::min(placement->param2, midboss001::group_cap);
    if (n <= 0) {
        return;
    }
    const int32_t step = column_height / placement->param2;
    midboss001::body_t* previous = nullptr;
    for (int32_t k = 0; k < n; ++k) {
        midboss001::body_t* body = assemble_midboss001(stage, placement);
        if (body == nullptr) {
            return;
        }
        body->set_position(placed_coordinate(placement->x), placed_coordinate(placement->y, k * step));
        body->prev = previous;
        if (previous != nullptr) {
            previous->next = body;
        }
        previous = body;
    }
}
