// Boss005's assembly: four arm chains and four hands with their shots, beams and debris, then the lead
// body with its death row, sparks and spread missiles and the trailing body, linked to each other.
#include "bosses/boss005/bodies.h"
#include "bosses/boss005/parts.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t chain_length = 8;
constexpr int32_t hand_shots = 64;
constexpr int32_t beam_segments = 16;
constexpr int32_t debris_count = 16;
constexpr int32_t debris_directions[debris_count] = {35, 26, 37, 29, 26, 36, 46, 24,
                                                     39, 23, 17, 28, 45, 30, 25, 14};
constexpr float debris_speed = 3.0f;
constexpr int32_t row_length = 8;
constexpr int32_t row_dx[row_length] = {28, 16, 42, 38, 16, 50, 14, 24};
constexpr int32_t row_dy[row_length] = {-8, 16, -16, -20, -8, 16, -16, 20};
constexpr int32_t spark_count = 16;
constexpr int32_t spread_count = 48;

// Every record the whole boss needs, so that a missing one makes none of it.
constexpr int32_t all_records[] = {326, 69, 325, 83, 327, 328, 330, 0, 329, 323, 89, 84, 27, 324};

// Within four steps of straight right or straight left.
bool near_horizontal(int32_t d) {
    return d < 4 || (d >= 28 && d < 36) || d >= 60;
}

} // namespace

boss005::arm_t* stage_t::make_boss005_arm(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<boss005::arm_t>(stage, placement, info);
}

boss005::hand_t* stage_t::make_boss005_hand(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<boss005::hand_t>(stage, placement, info);
}

boss005::leadbody_t* stage_t::make_boss005_leadbody(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return make_placed_enemy<boss005::leadbody_t>(stage, placement, info);
}

boss005::trailbody_t* stage_t::make_boss005_trailbody(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return make_placed_enemy<boss005::trailbody_t>(stage, placement, info);
}

boss005::big_laser_ctr_t* stage_t::make_boss005_big_laser_ctr(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<boss005::big_laser_ctr_t>(stage->enemy_shots, placement, info);
}

boss005::big_laser_t* stage_t::make_boss005_big_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return append_dormant<boss005::big_laser_t>(stage->enemy_shots, placement, info);
}

boss005::spred_missile_t* stage_t::make_boss005_spred_missile(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<boss005::spred_missile_t>(stage->enemy_shots, placement, info);
}

boss005::spark_t* stage_t::make_boss005_spark(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return append_dormant<boss005::spark_t>(stage->explosions, placement, info);
}

void stage_t::make_boss005_arm_chain(stage_t* stage, const placement_t* placement, boss005::arm_t*& first,
                                     boss005::arm_t*& last, int32_t n) {
    const auto r = find_records({326, 69});
    if (!r || n < 1) {
        return;
    }
    boss005::arm_t* prev = nullptr;
    for (int32_t i = 0; i < n; ++i) {
        boss005::arm_t* segment = make_boss005_arm(stage, placement, (*r)[0]);
        if (i % 4 == 0) {
            segment->attach_explosion(make_explosion(stage, placement, (*r)[1]));
        }
        if (prev != nullptr) {
            segment->prev = prev;
            prev->next = segment;
        } else {
            first = segment;
        }
        prev = segment;
    }
    last = prev;
}

boss005::hand_t* stage_t::assemble_boss005_hand(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({325, 83, 327, 328, 330, 0, 329});
    if (!r) {
        return nullptr;
    }
    const auto& records = *r;
    boss005::hand_t* hand = make_boss005_hand(stage, placement, records[0]);
    hand->attach_explosion(make_explosion(stage, placement, records[1]));
    for (int32_t i = 0; i < hand_shots; ++i) {
        make_shot_with_effect(stage, placement, records[2], records[3], 2, hand, hand->missiles);
    }
    boss005::big_laser_ctr_t* laser = make_boss005_big_laser_ctr(stage, placement, records[5]);
    laser->hand = hand;
    hand->laser = laser;
    for (int32_t i = 0; i < beam_segments; ++i) {
        boss005::big_laser_t* segment = make_boss005_big_laser(stage, placement, records[4]);
        segment->set_owner(laser);
        laser->segments.push_back(segment);
    }
    for (const int32_t d : debris_directions) {
        active_explosion_t* debris = make_active_explosion(stage, placement, records[6]);
        debris->direction = d;
        debris->period = 4;
        debris->speed = debris_speed;
        debris->vx = debris_speed * cos_table[d];
        debris->vy = -debris_speed * sin_table[d];
        debris->owner = hand;
        hand->sparks.add(debris, 0, 0);
    }
    return hand;
}

// The chains and hands given, upper first: the body holds each chain's first segment, each hand its last.
template <typename Body>
static void link_boss005_arms(Body* body, const stage_t::boss005_chain_t (&chains)[2],
                              boss005::hand_t* const (&hands)[2]) {
    for (size_t i = 0; i < 2; ++i) {
        body->arms[i] = chains[i].first;
        body->hands[i] = hands[i];
        hands[i]->arm = chains[i].last;
    }
}

boss005::leadbody_t* stage_t::assemble_boss005_leadbody(stage_t* stage, const placement_t* placement,
                                                        const boss005_chain_t (&chains)[2],
                                                        boss005::hand_t* const (&hands)[2]) {
    // 89, 69 and 83 are required although nothing here is made from them.
    const auto r = find_records({323, 329, 89, 69, 83, 84, 27});
    if (!r) {
        return nullptr;
    }
    const auto& records = *r;
    boss005::leadbody_t* body = make_boss005_leadbody(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 1));
    link_boss005_arms(body, chains, hands);
    for (int32_t i = 0; i < row_length; ++i) {
        body->death_explosions.add(make_explosion(stage, placement, records[5]), row_dx[i], row_dy[i]);
    }
    for (int32_t i = 0; i < spark_count; ++i) {
        const int32_t d = rng::rand() >> 9;
        float speed = float(rng::rand() / 6554) * 0.5f + 0.5f;
        if (near_horizontal(d)) {
            speed *= 0.1f;
        }
        boss005::spark_t* spark = make_boss005_spark(stage, placement, records[1]);
        spark->direction = d;
        spark->speed = speed;
        spark->period = 10;
        body->sparks.push_back(spark);
    }
    for (int32_t i = 0; i < spread_count; ++i) {
        body->spread_missiles.push_back(make_boss005_spred_missile(stage, placement, records[6]));
    }
    return body;
}

boss005::trailbody_t* stage_t::assemble_boss005_trailbody(stage_t* stage, const placement_t* placement,
                                                          const boss005_chain_t (&chains)[2],
                                                          boss005::hand_t* const (&hands)[2]) {
    const auto r = find_records({324, 84});
    if (!r) {
        return nullptr;
    }
    boss005::trailbody_t* body = make_boss005_trailbody(stage, placement, (*r)[0]);
    body->attach_explosion(make_explosion(stage, placement, (*r)[1]));
    link_boss005_arms(body, chains, hands);
    return body;
}

void stage_t::spawn_boss005(stage_t* stage, const placement_t* placement) {
    if (!find_records(all_records)) {
        return;
    }
    boss005_chain_t chains[4];
    boss005::hand_t* hands[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int32_t pair = 0; pair < 2; ++pair) {
        for (int32_t i = 2 * pair; i < 2 * pair + 2; ++i) {
            make_boss005_arm_chain(stage, placement, chains[i].first, chains[i].last, chain_length);
        }
        for (int32_t i = 2 * pair; i < 2 * pair + 2; ++i) {
            hands[i] = assemble_boss005_hand(stage, placement);
        }
    }
    boss005::leadbody_t* lead =
        assemble_boss005_leadbody(stage, placement, {chains[2], chains[3]}, {hands[2], hands[3]});
    boss005::trailbody_t* trail =
        assemble_boss005_trailbody(stage, placement, {chains[0], chains[1]}, {hands[0], hands[1]});
    lead->partner = trail;
    trail->partner = lead;
}
