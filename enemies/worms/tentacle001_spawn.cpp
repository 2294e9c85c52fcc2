// The tentacle001's assembly: core, five segments, the hand with its 32 spores and item, and each
// link's death explosion and starting direction.
#include "enemies/worms/tentacle001.h"
#include "objects/explosion.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t segment_count = 5;
constexpr int32_t spore_count = 32;
constexpr size_t spore_room = 8;
constexpr uint32_t link_explosion_period = 2;

} // namespace

tentacle001::core_t* stage_t::make_tentacle001_core(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return make_placed_enemy<tentacle001::core_t>(stage, placement, info);
}

tentacle001::seg_t* stage_t::make_tentacle001_seg(stage_t* stage, const placement_t* placement,
                                                  const objectinfo_t* info) {
    return make_placed_enemy<tentacle001::seg_t>(stage, placement, info);
}

tentacle001::hand_t* stage_t::make_tentacle001_hand(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    tentacle001::hand_t* hand = make_placed_enemy<tentacle001::hand_t>(stage, placement, info);
    hand->spores.reserve(spore_room);
    return hand;
}

tentacle001::spore_t* stage_t::make_tentacle001_spore(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<tentacle001::spore_t>(stage, placement, info);
}

void stage_t::spawn_tentacle001(stage_t* stage, const placement_t* placement) {
    // Directions are read & 63 and patterns & 31: the wrapped param shows the same and never overflows.
    const int32_t param = wrap64(placement->param2);
    const auto r = find_records({255, 256, 257, 258, 69, 83, 53});
    if (!r) {
        return;
    }
    const auto [seg_record, hand_record, core_record, spore_record, seg_blast, big_blast, spore_blast] = *r;
    tentacle001::core_t* core = make_tentacle001_core(stage, placement, core_record);
    tentacle001::seg_t* first = nullptr;
    tentacle001::seg_t* previous = nullptr;
    for (int32_t i = 0; i < segment_count; ++i) {
        tentacle001::seg_t* seg = make_tentacle001_seg(stage, placement, seg_record);
        seg->prev = previous;
        if (previous != nullptr) {
            previous->next = seg;
        } else {
            first = seg;
        }
        previous = seg;
    }
    tentacle001::hand_t* hand = make_tentacle001_hand(stage, placement, hand_record);
    hand->prev = previous;
    previous->next = hand;
    for (int32_t i = 0; i < spore_count; ++i) {
        tentacle001::spore_t* spore = make_tentacle001_spore(stage, placement, spore_record);
        attach_death_explosion(stage, placement, spore, spore_blast);
        hand->spores.push_back(spore);
    }
    give_item(stage, placement, hand);
    attach_death_explosion(stage, placement, core, big_blast);
    core->base_direction = param;
    core->first = first;
    core->hand = hand;
    for (tentacle001::seg_t* link = first; link != nullptr; link = link->next) {
        explosion_t* blast =
            attach_death_explosion(stage, placement, link, link == hand ? big_blast : seg_blast);
        blast->period = link_explosion_period;
        link->direction = param;
        link->pattern = param & 31;
        link->core = core;
    }
}
