// The spider001's assembly: body, eggs, and per slot (outer feet first) a foot with its chain of legs.
#include "enemies/walkers/spider001.h"
#include "objects/explosion.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t egg_count = 16;
constexpr int32_t leg_links = 20;
constexpr int32_t exploding_link_every = 4;
constexpr size_t slot_order[4] = {0, 3, 1, 2};

} // namespace

spider001::body_t* stage_t::make_spider001_body(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    spider001::body_t* body = make_placed_enemy<spider001::body_t>(stage, placement, info);
    body->eggs.reserve(egg_count);
    return body;
}

spider001::foot_t* stage_t::make_spider001_foot(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return make_placed_enemy<spider001::foot_t>(stage, placement, info);
}

spider001::leg_t* stage_t::make_spider001_leg(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<spider001::leg_t>(stage, placement, info);
}

spider001::egg_t* stage_t::make_spider001_egg(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<spider001::egg_t>(stage->enemy_shots, placement, info);
}

void stage_t::make_spider001_legs(stage_t* stage, const placement_t* placement, spider001::leg_t*& first,
                                  spider001::leg_t*& last) {
    first = nullptr;
    last = nullptr;
    const auto r = find_records({252, 58});
    if (!r) {
        return;
    }
    const auto [link_record, explosion] = *r;
    spider001::leg_t* previous = nullptr;
    for (int32_t k = 0; k < leg_links; ++k) {
        spider001::leg_t* link = make_spider001_leg(stage, placement, link_record);
        if (k % exploding_link_every == 0) {
            attach_death_explosion(stage, placement, link, explosion);
        }
        link->prev = previous;
        if (previous != nullptr) {
            previous->next = link;
        } else {
            first = link;
        }
        previous = link;
    }
    last = previous;
}

spider001::body_t* stage_t::spawn_spider001(stage_t* stage, const placement_t* placement, int32_t flag) {
    // Record 175 is required though nothing is made of it; the legs' 252 is checked here too, so that no
    // spider stands without a leg.
    const auto r = find_records({251, 253, 58, 175, 23, 252});
    if (!r) {
        return nullptr;
    }
    const auto [body_record, foot_record, explosion, unused, egg_record, link_record] = *r;
    const int32_t ceiling = flag != 0 ? 1 : 0;
    spider001::body_t* body = make_spider001_body(stage, placement, body_record);
    body->ceiling = ceiling;
    body->pattern = ceiling;
    attach_death_explosion(stage, placement, body, explosion);
    for (int32_t i = 0; i < egg_count; ++i) {
        spider001::egg_t* egg = make_spider001_egg(stage, placement, egg_record);
        egg->set_owner(body);
        body->eggs.push_back(egg);
    }
    for (size_t slot : slot_order) {
        spider001::foot_t* foot = make_spider001_foot(stage, placement, foot_record);
        foot->ceiling = ceiling;
        foot->pattern = ceiling;
        attach_death_explosion(stage, placement, foot, explosion);
        foot->body = body;
        spider001::leg_t* first = nullptr;
        spider001::leg_t* last = nullptr;
        make_spider001_legs(stage, placement, first, last);
        for (spider001::leg_t* link = first; link != nullptr; link = link->next) {
            link->body = body;
        }
        foot->last_leg = last;
        body->legs[slot] = first;
        body->feet[slot] = foot;
    }
    return body;
}
