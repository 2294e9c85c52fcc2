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
