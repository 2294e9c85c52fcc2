// The scorpion's assembly: escorts and list markers, head, chest with its explosions and smoke, eye, tail
// with the sting and its weapons, legs with feet, arm with the claw and its lasers, and the dormant worm.
#include "bosses/scorpion/chest.h"
#include "enemies/walkers/spider001.h"
#include "enemies/worms/worm001.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t chest_dx[16] = {16, 0, 0, 38, 18, -14, 16, -38, 22, 16, -36, 38, 6, -12, 10, -16};
constexpr int32_t chest_dy[16] = {0, -20, 15, -10, 26, -22, -22, 20, 0, 20, 0, 6, -26, 0, -8, 25};
constexpr int32_t foot_patterns[3] = {3, 6, 8};
constexpr int32_t spark_offsets[16] = {3, -6, 5, -3, -6, 4, 14, -8, 7, -9, 49, -4, 13, -2, -7, 46};
constexpr uint32_t spark_periods[4] = {4, 5, 6, 7};
constexpr int32_t smoke_offsets[8] = {1, 0, -4, 3, 0, -2, 0, -1};
constexpr int32_t chest_explosions = 32;
constexpr int32_t chest_smokes = 32;
constexpr int32_t hand_lasers = 16;
constexpr uint32_t muzzle_period = 8;
constexpr int32_t balls = 16;
constexpr int32_t fans = 32;
constexpr int32_t fan_segments = 7;
constexpr int32_t bolts = 64;
constexpr int32_t homers = 6;
constexpr int32_t homer_segments = 32;
constexpr int32_t effects = 64;
constexpr float foot_reach = 32;

// A chain of n segments of the record, each after the first linked to the one before; every
// explode_every-th segment gets a death explosion.
template <typename Segment, typename Link, typename Maker>
void make_chain(stage_t* stage, const placement_t* placement, int32_t record_id, int32_t explosion_id,
                int32_t n, int32_t explode_every, Maker make, Link*& first, Link*& last) {
    first = nullptr;
    last = nullptr;
    const objectinfo_t* record = objectinfo_find(record_id);
    const objectinfo_t* explosion = objectinfo_find(explosion_id);
    if (record == nullptr || explosion == nullptr) {
        return;
    }
    for (int32_t k = 0; k < n; ++k) {
        Segment* segment = make(stage, placement, record);
        if (k % explode_every == 0) {
            attach_death_explosion(stage, placement, segment, explosion);
        }
        segment->owner = last;
        if (last != nullptr) {
            last->next = segment;
        } else {
            first = segment;
        }
        last = segment;
    }
}

placement_t default_placement(const placement_t* boss, int32_t x, int32_t y) {
    placement_t p;
    p.x = x;
    p.y = y;
    p.key = boss->key;
    return p;
}

} // namespace

using namespace scorpion001;

head_t* stage_t::make_scorpion001_head(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<head_t>(stage, placement, info);
}

chest_t* stage_t::make_scorpion001_chest(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info) {
    return make_placed_enemy<chest_t>(stage, placement, info);
}

eye_t* stage_t::make_scorpion001_eye(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<eye_t>(stage, placement, info);
}

body_t* stage_t::make_scorpion001_body(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<body_t>(stage, placement, info);
}

tail_t* stage_t::make_scorpion001_tail(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<tail_t>(stage, placement, info);
}

sting_t* stage_t::make_scorpion001_sting(stage_t* stage, const placement_t* placement,
                                         const objectinfo_t* info) {
    return make_placed_enemy<sting_t>(stage, placement, info);
}

leg_t* stage_t::make_scorpion001_leg(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<leg_t>(stage, placement, info);
}

foot_t* stage_t::make_scorpion001_foot(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<foot_t>(stage, placement, info);
}

arm_t* stage_t::make_scorpion001_arm(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<arm_t>(stage, placement, info);
}

hand_t* stage_t::make_scorpion001_hand(stage_t* stage, const placement_t* placement,
                                       const objectinfo_t* info) {
    return make_placed_enemy<hand_t>(stage, placement, info);
}

hand_laser_t* stage_t::make_scorpion001_hand_laser(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info) {
    return append_dormant<hand_laser_t>(stage->enemy_shots, placement, info);
}

stingball_t* stage_t::make_scorpion001_stingball(stage_t* stage, const placement_t* placement,
                                                 const objectinfo_t* info) {
    return make_placed_enemy<stingball_t>(stage, placement, info);
}

stinglaser1_t* stage_t::make_scorpion001_stinglaser1(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info) {
    return append_dormant<stinglaser1_t>(stage->enemy_shots, placement, info);
}

stinglaser1_head_t* stage_t::make_scorpion001_stinglaser1_head(stage_t* stage, const placement_t* placement,
                                                               const objectinfo_t* info) {
    return append_dormant<stinglaser1_head_t>(stage->enemy_shots, placement, info);
}

stinglaser2_t* stage_t::make_scorpion001_stinglaser2(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info) {
    return append_dormant<stinglaser2_t>(stage->enemy_shots, placement, info);
}

stinglaser3_t* stage_t::make_scorpion001_stinglaser3(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info) {
    return append_dormant<stinglaser3_t>(stage->enemy_shots, placement, info);
}

stingspark_t* stage_t::make_scorpion001_stingspark(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info) {
    return append_dormant<stingspark_t>(stage->explosions, placement, info);
}

stingsmoke_t* stage_t::make_scorpion001_stingsmoke(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info) {
    return append_dormant<stingsmoke_t>(stage->explosions, placement, info);
}

void stage_t::make_scorpion001_body_chain(stage_t* stage, const placement_t* placement, body_t*& first,
                                          body_t*& last) {
    make_chain<body_t>(stage, placement, 298, 68, 4, 1, make_scorpion001_body, first, last);
}

void stage_t::make_scorpion001_tail_chain(stage_t* stage, const placement_t* placement, body_t*& first,
                                          body_t*& last) {
    make_chain<tail_t>(stage, placement, 303, 68, 5, 1, make_scorpion001_tail, first, last);
}

void stage_t::make_scorpion001_leg_chain(stage_t* stage, const placement_t* placement, leg_t*& first,
                                         leg_t*& last) {
    make_chain<leg_t>(stage, placement, 302, 69, 10, 2, make_scorpion001_leg, first, last);
}

void stage_t::make_scorpion001_arm_chain(stage_t* stage, const placement_t* placement, arm_t*& first,
                                         arm_t*& last) {
    make_chain<arm_t>(stage, placement, 299, 69, 12, 1, make_scorpion001_arm, first, last);
    // The segments thicken toward the claw.
    int32_t u = 0;
    for (arm_t* segment = last; segment != nullptr; segment = static_cast<arm_t*>(segment->owner), ++u) {
        segment->pattern = std::max(0, 5 - u / 2);
    }
}

sting_t* stage_t::assemble_scorpion001_sting(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({0, 304, 305, 306, 307, 308, 309, 310, 175, 83});
    if (!r) {
        return nullptr;
    }
    const auto [homer_record, sting_record, ball_record, ball_explosion, fan_record, bolt_record,
                homer_segment, spark_record, smoke_record, sting_explosion] = *r;
    sting_t* sting = make_scorpion001_sting(stage, placement, sting_record);
    attach_death_explosion(stage, placement, sting, sting_explosion);
    for (int32_t i = 0; i < balls; ++i) {
        stingball_t* ball = make_scorpion001_stingball(stage, placement, ball_record);
        attach_death_explosion(stage, placement, ball, ball_explosion);
        ball->alive = 0;
        ball->hp = 0;
        sting->balls.push_back(ball);
    }
    for (int32_t i = 0; i < fans; ++i) {
        stinglaser1_head_t* head = make_scorpion001_stinglaser1_head(stage, placement, fan_record);
        stinglaser1_t* last = head;
        for (int32_t k = 0; k < fan_segments; ++k) {
            last = last->next = make_scorpion001_stinglaser1(stage, placement, fan_record);
        }
        head->set_owner(sting);
        sting->heads.push_back(head);
    }
    for (int32_t i = 0; i < bolts; ++i) {
        stinglaser2_t* bolt = make_scorpion001_stinglaser2(stage, placement, bolt_record);
        bolt->sting = sting;
        bolt->set_owner(sting);
        sting->bolts.push_back(bolt);
    }
    for (int32_t i = 0; i < homers; ++i) {
        stinglaser3_t* homer = make_scorpion001_stinglaser3(stage, placement, homer_record);
        homer->sting = sting;
        for (int32_t k = 0; k < homer_segments; ++k) {
            homer->segments.push_back(make_missile(stage, placement, homer_segment));
        }
        homer->set_owner(sting);
        sting->homers.push_back(homer);
    }
    for (int32_t i = 0; i < effects; ++i) {
        stingspark_t* spark = make_scorpion001_stingspark(stage, placement, spark_record);
        spark->period = spark_periods[i % 4];
        spark->offset = spark_offsets[i % 16];
        sting->sparks.push_back(spark);
    }
    for (int32_t i = 0; i < effects; ++i) {
        stingsmoke_t* smoke = make_scorpion001_stingsmoke(stage, placement, smoke_record);
        smoke->offset = smoke_offsets[i % 8];
        sting->smokes.push_back(smoke);
    }
    return sting;
}

void stage_t::spawn_scorpion001(stage_t* stage, const placement_t* placement) {
    // 89 and 86 are asked for though nothing is made of them. The chains' and the sting's records are
    // checked here too, so that no boss stands without a tail, a leg, an arm or a sting.
    const auto r = find_records({297, 295, 296, 301, 304, 300, 327, 333, 68,  69,  89,  86, 175,
                                 298, 299, 302, 303, 0,   305, 306, 307, 308, 309, 310, 83});
    if (!r) {
        return;
    }
    const auto& records = *r;
    const placement_t spider_a = default_placement(placement, 448, 128);
    const placement_t spider_b = default_placement(placement, 352, 128);
    spider001::body_t* escort_a = spawn_spider001(stage, &spider_a, 1);
    spider001::body_t* escort_b = spawn_spider001(stage, &spider_b, 0);
    const placement_t marker = default_placement(placement, 0, 0);
    placement_t typed = marker;
    typed.type = 96;
    spawn_enemy_skipper(stage, &typed);
    typed.type = 100;
    spawn_missile_skipper(stage, &typed);
    typed.type = 101;
    spawn_explosion_skipper(stage, &typed);

    head_t* head = make_scorpion001_head(stage, placement, records[2]);
    head->attach_explosion(make_explosion_pattern_medium(stage, placement));
    chest_t* chest = make_scorpion001_chest(stage, placement, records[0]);
    chest->head = head;
    chest->escorts = {escort_a, escort_b};
    head->chest = chest;
    chest->attach_explosion(make_explosion_pattern_boss(stage, placement, 1));
    for (int32_t i = 0; i < chest_explosions; ++i) {
        explosion_t* blast = make_explosion(stage, placement, records[i % 2 == 0 ? 8 : 9]);
        blast->period = uint32_t(i / 6 + 2);
        chest->explosions.add(blast, chest_dx[i % 16], chest_dy[i % 16]);
    }
    for (int32_t i = 0; i < chest_smokes; ++i) {
        smoke_t* smoke = make_smoke(stage, placement, records[12]);
        smoke->period = 4;
        smoke->speed = 1.2f;
        smoke->vx = 1.2f * cos_table[smoke->direction];
        smoke->vy = -1.2f * sin_table[smoke->direction];
        chest->smokes.push_back(smoke);
    }
    head->eye = make_scorpion001_eye(stage, placement, records[1]);

    body_t* tail_first = nullptr;
    body_t* tail_last = nullptr;
    make_scorpion001_tail_chain(stage, placement, tail_first, tail_last);
    body_t* body_first = nullptr;
    body_t* body_last = nullptr;
    make_scorpion001_body_chain(stage, placement, body_first, body_last);
    sting_t* sting = assemble_scorpion001_sting(stage, placement);
    chest->tail = body_first;
    chest->sting = sting;
    body_last->next = tail_first;
    tail_first->owner = body_last;
    sting->owner = tail_last;

    for (int32_t slot = 2; slot >= 0; --slot) {
        leg_t* leg_first = nullptr;
        leg_t* leg_last = nullptr;
        make_scorpion001_leg_chain(stage, placement, leg_first, leg_last);
        foot_t* foot = make_scorpion001_foot(stage, placement, records[3]);
        attach_death_explosion(stage, placement, foot, records[8]);
        foot->owner = leg_last;
        foot->pattern = foot_patterns[slot];
        const int32_t d = wrap64(foot_patterns[slot] + 8);
        foot->anchor_dx = foot_reach * cos_table[d];
        foot->anchor_dy = -foot_reach * sin_table[d];
        for (int32_t k = 0; k < 4; ++k) {
            foot->puffs.push_back(make_smoke(stage, placement, records[12]));
        }
        chest->legs[size_t(slot)] = leg_first;
        chest->feet[size_t(slot)] = foot;
    }

    arm_t* arm_last = nullptr;
    make_scorpion001_arm_chain(stage, placement, chest->arm, arm_last);
    hand_t* hand = make_scorpion001_hand(stage, placement, records[5]);
    hand->attach_explosion(make_explosion_pattern_medium(stage, placement));
    hand->owner = arm_last;
    hand->anchor = chest;
    chest->hand = hand;
    for (int32_t i = 0; i < hand_lasers; ++i) {
        hand_laser_t* laser = make_scorpion001_hand_laser(stage, placement, records[6]);
        explosion_t* muzzle = make_explosion(stage, placement, records[7]);
        muzzle->period = muzzle_period;
        laser->effect = muzzle;
        muzzle->owner = laser;
        laser->set_owner(hand);
        hand->lasers.push_back(laser);
    }
    head->worm = make_dormant_worm001(stage, placement);
}
