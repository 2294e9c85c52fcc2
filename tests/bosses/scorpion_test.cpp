// The scorpion on the kit: its assembly, the chains' turns and death cascades, the walk on the terrain,
// the sting's commands and weapons, and the script's cycle, retreat and death.
#include "bosses/scorpion/chest.h"
#include "enemies/worms/worm001.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <map>

namespace {

using namespace scorpion001;
using scorpion_test = enemy_kit_t;

chest_t* scorpion(enemy_kit_t& kit, float x, float y, int32_t level = 1) {
    kit.load({placed(294, int32_t(x), int32_t(y))}, level);
    kit.scene->scroll_stop = 1;
    return kit.only<chest_t>();
}

template <typename T> int32_t chain_length(T* first) {
    int32_t n = 0;
    for (T* s = first; s != nullptr; s = s->next) {
        ++n;
    }
    return n;
}

} // namespace

TEST_F(scorpion_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {297, 295, 296, 301, 304, 300, 327, 333, 68,  69,  89,  86, 175,
                            298, 299, 302, 303, 0,   305, 306, 307, 308, 309, 310, 83}) {
        records({}, {missing});
        load({placed(294, 200, 100)});
        EXPECT_TRUE(all<chest_t>().empty() && all<sting_t>().empty() && all<arm_t>().empty()) << missing;
    }
    records({}, {189});
    EXPECT_EQ(scorpion(*this, 200, 100)->head->worm, nullptr) << "the worm is left out alone";
    records({});
    chest_t* chest = scorpion(*this, 200, 100);
    ASSERT_NE(chest, nullptr);
    std::map<std::string, int32_t> kinds;
    for (int32_t list : {list_enemies0, list_enemy_shots, list_explosions}) {
        for (const part_t& p : manifest_of(scene->stage, list)) {
            ++kinds[p.kind];
        }
    }
    const std::map<std::string, int32_t> expected{{"scorpion001::head_t", 1},
                                                  {"scorpion001::chest_t", 1},
                                                  {"scorpion001::eye_t", 1},
                                                  {"scorpion001::body_t", 4},
                                                  {"scorpion001::tail_t", 5},
                                                  {"scorpion001::sting_t", 1},
                                                  {"scorpion001::stingball_t", 16},
                                                  {"scorpion001::leg_t", 30},
                                                  {"scorpion001::foot_t", 3},
                                                  {"scorpion001::arm_t", 12},
                                                  {"scorpion001::hand_t", 1},
                                                  {"scorpion001::hand_laser_t", 16},
                                                  {"scorpion001::stinglaser1_head_t", 32},
                                                  {"scorpion001::stinglaser1_t", 32 * 7},
                                                  {"scorpion001::stinglaser2_t", 64},
                                                  {"scorpion001::stinglaser3_t", 6},
                                                  {"scorpion001::stingspark_t", 64},
                                                  {"scorpion001::stingsmoke_t", 64},
                                                  {"spider001::body_t", 2},
                                                  {"enemy_skipper_t", 1},
                                                  {"missile_skipper_t", 1},
                                                  {"explosion_skipper_t", 1},
                                                  {"worm001::head_t", 1},
                                                  {"worm001::body_t", 11}};
    for (const auto& [kind, n] : expected) {
        EXPECT_EQ(kinds[kind], n) << kind;
    }
    EXPECT_EQ(kinds["missile_t"], 192);
    EXPECT_EQ(kinds["smoke_t"], 32 + 12);
    // List order: head, chest, eye, the tail's five, the body's four, the sting.
    const std::vector<part_t> enemies = manifest_of(scene->stage, list_enemies0);
    size_t h = 0;
    while (enemies[h].kind != "scorpion001::head_t") {
        ++h;
    }
    EXPECT_EQ(enemies[h + 1], (part_t{"scorpion001::chest_t", 297}));
    EXPECT_EQ(enemies[h + 3], (part_t{"scorpion001::tail_t", 303}));
    EXPECT_EQ(enemies[h + 8], (part_t{"scorpion001::body_t", 298}));
    EXPECT_EQ(enemies[h + 12], (part_t{"scorpion001::sting_t", 304}));
    // The links the skeleton relies on: nine tail joints to the sting, twelve arm and ten leg segments.
    EXPECT_EQ(chain_length(chest->tail), 9);
    EXPECT_EQ(chain_length(chest->arm), 12);
    body_t* last = chest->tail;
    while (last->next != nullptr) {
        last = last->next;
    }
    EXPECT_EQ(chest->sting->owner, last);
    std::vector<int32_t> arm_patterns;
    for (arm_t* s = chest->arm; s != nullptr; s = s->next) {
        arm_patterns.push_back(s->pattern);
    }
    EXPECT_EQ(arm_patterns, (std::vector<int32_t>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
    EXPECT_EQ(all<foot_t>()[0], chest->feet[2]) << "slot 2 first";
    constexpr int32_t foot_patterns[3] = {3, 6, 8};
    constexpr int32_t foot_directions[3] = {11, 14, 16};
    for (size_t slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(chain_length(chest->legs[slot]), 10);
        EXPECT_EQ(chest->feet[slot]->pattern, foot_patterns[slot]);
        const int32_t d = foot_directions[slot];
        EXPECT_FLOAT_EQ(chest->feet[slot]->anchor_dx, 32 * cos_table[d]);
        EXPECT_FLOAT_EQ(chest->feet[slot]->anchor_dy, -32 * sin_table[d]);
    }
    const auto& blasts = chest->explosions.entries;
    ASSERT_EQ(blasts.size(), 32u);
    EXPECT_EQ(std::tuple(blasts[15].dx, blasts[15].dy, blasts[31].dx, blasts[31].dy),
              std::tuple(-16, 25, -16, 25));
    EXPECT_EQ(std::tuple(blasts[0].explosion->info->id, blasts[31].explosion->info->id,
                         blasts[31].explosion->period),
              std::tuple(68, 69, 7u));
    EXPECT_EQ(std::tuple(chest->sting->sparks[10]->offset, chest->sting->sparks[5]->period,
                         chest->sting->smokes[2]->offset),
              std::tuple(49, 5u, -4));
    EXPECT_FALSE(chest->sting->balls[0]->alive);
    ASSERT_NE(chest->head->worm, nullptr);
    EXPECT_FALSE(chest->head->worm->alive);
}

TEST_F(scorpion_test, joints_turn_the_shorter_way_and_a_half_turn_counter_clockwise) {
    records({});
    struct row_t {
        int32_t from;
        int32_t target;
        int32_t step;
        int32_t to;
    };
    const row_t rows[] = {
        {10, 20, 4, 14}, {20, 10, 4, 16}, {10, 42, 4, 14}, // a half turn goes +
        {62, 2, 4, 2},   {2, 62, 4, 62},                   // across 0 the plain comparison jumps
        {5, 5, 4, 5},
    };
    for (const row_t& r : rows) {
        body_t segment(objectinfo_find(298), 0, 0, 0);
        body_t next(objectinfo_find(298), 0, 0, 0);
        segment.next = &next;
        segment.direction = r.from;
        next.direction = 7;
        const int32_t targets[2] = {r.target, 7};
        EXPECT_EQ(turn_joint_chain(&segment, targets, r.step, 0), r.from != r.to)
            << r.from << "->" << r.target;
        EXPECT_EQ(std::pair(segment.direction, segment.pattern), std::pair(r.to, r.to));
        next.direction = 3;
        segment.direction = r.target;
        EXPECT_TRUE(turn_joint_chain(&segment, targets, r.step, 0)) << "the rest of the chain reports";
    }
}

TEST_F(scorpion_test, a_death_runs_down_each_chain_six_frames_a_tail_joint_four_a_limb) {
    chest_t* chest = scorpion(*this, 200, 100);
    struct row_t {
        object_t* first;
        object_t* follower;
        int32_t updates;
    };
    const row_t rows[] = {
        {chest->tail, chest->tail->next, 6},        {chest->arm, chest->arm->next, 4},
        {chest->legs[1], chest->legs[1]->next, 4},  {chest->hand->owner, chest->hand, 1},
        {chest->feet[0]->owner, chest->feet[0], 1},
    };
    for (const row_t& r : rows) {
        r.first->kill();
        int32_t n = 0;
        while (r.follower->alive && n < 10) {
            r.follower->update();
            ++n;
        }
        EXPECT_EQ(n, r.updates);
    }
}

TEST_F(scorpion_test, the_walk_keeps_28_above_the_ground_8_ahead) {
    struct row_t {
        float y;
        bool floor;
        int32_t mode;
        float end_y;
    };
    const row_t rows[] = {
        {150, false, 1, 228},
        {150, false, 3, 228}, // no terrain: 256 - 28
        {100, true, 1, 152},
        {200, true, 1, 152}, // below the surface it climbs
    };
    for (const row_t& r : rows) {
        chest_t* chest = scorpion(*this, 220, int32_t(r.y));
        if (r.floor) {
            for (int32_t x = 0; x < 256; ++x) {
                for (int32_t y = 180; y < 256; ++y) {
                    solid_at(*slot0, x, y);
                }
            }
        }
        const float x0 = chest->x;
        for (int32_t i = 0; i < 100; ++i) {
            EXPECT_TRUE(chest->walk(r.mode, 1.0f));
        }
        EXPECT_NEAR(chest->y, r.end_y, 1.0f) << r.y;
        EXPECT_EQ(chest->x < x0, r.mode == 1);
        EXPECT_FALSE(chest->walk(2, 1.0f));
    }
}

TEST_F(scorpion_test, the_sting_turns_on_command_and_fans_its_lasers) {
    struct row_t {
        int32_t direction;
        int32_t aim;
        int32_t updates;
        int32_t end;
    };
    const row_t turns[] = {{36, 20, 17, 20}, {20, 0, 4, 16}, {40, 60, 8, 48}};
    for (const row_t& r : turns) {
        chest_t* chest = scorpion(*this, 200, 100);
        sting_t* sting = chest->sting;
        sting->direction = r.direction;
        sting->aim = r.aim;
        sting->set_state(500);
        int32_t n = 0;
        while (sting->state != 1 && n < 40) {
            sting->update();
            ++n;
        }
        EXPECT_EQ(std::tuple(n, sting->direction, sting->pattern), std::tuple(r.updates, r.end, r.end))
            << r.aim;
    }
    chest_t* chest = scorpion(*this, 200, 100);
    sting_t* sting = chest->sting;
    ship_at(40, 100);
    run(1);
    sting->direction = 32;
    sting->set_state(5104);
    run(1);
    std::vector<int32_t> directions;
    for (stinglaser1_t* head : sting->heads) {
        if (head->alive) {
            directions.push_back(static_cast<stinglaser1_head_t*>(head)->direction);
        }
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{23, 29, 35, 41}));
    EXPECT_EQ(sting->state, 1);
    for (size_t i = 0; i < 30; ++i) {
        sting->heads[i]->alive = 1;
    }
    for (size_t i = 30; i < 32; ++i) {
        sting->heads[i]->alive = 0;
    }
    sting->set_state(5104);
    sting->update();
    EXPECT_EQ(alive_count(sting->heads), 32);
    EXPECT_EQ(sounds_of(49), 1) << "requested in the frame run";
}

TEST_F(scorpion_test, the_script_skips_the_tail_strikes_at_level_1_and_guards_the_head_through_the_jump) {
    struct row_t {
        int32_t level;
        int32_t after_walk;
    };
    for (const row_t& r : {row_t{1, 6000}, row_t{2, 501}}) {
        chest_t* chest = scorpion(*this, 120, 100, r.level);
        for (int32_t x = 0; x < 256; ++x) {
            for (int32_t y = 180; y < 256; ++y) {
                solid_at(*slot0, x, y);
            }
        }
        ship_at(40, 100);
        run(1);
        ASSERT_EQ(chest->phase, 20) << "the feet stand, the escorts live";
        chest->phase = 7201;
        run(1);
        EXPECT_EQ(chest->phase, r.after_walk) << r.level;
    }
    chest_t* chest = scorpion(*this, 120, 100);
    ship_at(40, 100);
    run(1);
    chest->head->invulnerable = 0;
    chest->head->phase = 100; // past its entry
    chest->phase = 7000;
    chest->phase_frame = 63;
    std::map<int32_t, bool> guarded;
    for (int32_t n = 0; n < 200 && chest->phase != 7100 && chest->phase != 7101; ++n) {
        run(1);
        guarded[chest->phase] = chest->head->invulnerable != 0;
    }
    EXPECT_EQ(guarded, (std::map<int32_t, bool>{{7000, false}, {7002, true}, {7003, true}, {7101, false}}));
}

TEST_F(scorpion_test, the_heads_death_rears_the_chest_up_and_blows_it_apart_by_256_260_and_374) {
    chest_t* chest = scorpion(*this, 120, 100, 3);
    ship_at(40, 100);
    run(1);
    chest->head->invulnerable = 0;
    chest->head->damage(100000);
    EXPECT_EQ(chest->phase, 50000);
    EXPECT_FALSE(chest->head->eye->alive);
    uint32_t start = 0;
    while (chest->phase != 50003 && start < 400) {
        run(1);
        ++start;
    }
    EXPECT_EQ(start, 32u + 128u) << "31 frames of rear-up, then 128 of settling feet";
    struct row_t {
        uint32_t frame;
        object_t* part;
        object_t* with;
    };
    const row_t deaths[] = {
        {256, chest->tail, chest->arm}, {260, chest->legs[0], chest->legs[2]}, {374, chest, chest}};
    for (const row_t& r : deaths) {
        run(r.frame - chest->phase_frame);
        EXPECT_TRUE(r.part->alive && r.with->alive) << r.frame;
        run(1);
        EXPECT_FALSE(r.part->alive || r.with->alive) << r.frame;
    }
    EXPECT_EQ(chest->blend_mode(), 192);
}
