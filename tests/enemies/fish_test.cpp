// The fish on the kit: its assembly, the volleys and the fans by level, the dying burst of debris, the
// drift off the left edge, its shifted hit box and the jets that follow it.
#include "enemies/gunships/fish.h"
#include "enemies/jet.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using fish_test = enemy_kit_t;

fish_t* swimming(enemy_kit_t& kit, float x, float y, int32_t level = 1, int32_t item = -1) {
    kit.load({placed(167, int32_t(x), int32_t(y), 0, item)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(40, 200);
    return kit.only<fish_t>();
}

// (frame, shot index) of the launches of the fan (indices below 16) or of the volley.
std::vector<std::pair<uint32_t, int32_t>> fired(const std::vector<launch_t>& trace, bool fan) {
    std::vector<std::pair<uint32_t, int32_t>> out;
    for (const launch_t& l : trace) {
        if ((l.index < 16) == fan) {
            out.emplace_back(l.frame, l.index);
        }
    }
    return out;
}

} // namespace

TEST_F(fish_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {167, 93, 84, 67, 68, 69, 18, 30, 31}) {
        records({}, {missing});
        load({placed(167, 200, 100, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    fish_t* fish = swimming(*this, 200, 100, 1, 37);
    ASSERT_NE(fish, nullptr);
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"jet_t", 93, 2}, {"jet_t", 93, 2}, {"fish_t", 167}}));
    EXPECT_EQ(fish->jet_b->pattern, 1);
    EXPECT_NE(fish->carried, nullptr);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(blasts.size(), 1u + 16u + 16u);
    EXPECT_EQ(blasts[0], (part_t{"explosion_t", 84, 2, list_enemies0, 2}));
    const int32_t periods[16] = {2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
    const std::pair<int32_t, int32_t> offsets[8] = {{-16, -8}, {-8, 4},  {24, 8}, {8, -8},
                                                    {-24, 6},  {16, -8}, {8, 8},  {24, -8}};
    ASSERT_EQ(fish->debris.entries.size(), 16u);
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(blasts[size_t(1 + i)], (part_t{"explosion_t", 67 + i % 3, periods[i]})) << i;
        const auto& d = fish->debris.entries[size_t(i)];
        EXPECT_EQ(std::pair(d.dx, d.dy), offsets[i % 8]) << i;
        EXPECT_EQ(blasts[size_t(17 + i)], (part_t{"explosion_t", 31, 2, list_enemy_shots, 16 + i})) << i;
    }
    const std::vector<part_t> shots = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_EQ(shots.size(), 32u);
    const int32_t directions[16] = {32, 35, 28, 29, 33, 32, 34, 31, 36, 30, 33, 35, 30, 28, 32, 35};
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(shots[size_t(i)], (part_t{"missile_t", 18, -1, list_enemies0, 2})) << i;
        EXPECT_EQ(fish->fan_shots[size_t(i)]->direction, directions[i]) << i;
        EXPECT_EQ(shots[size_t(16 + i)], (part_t{"missile_t", 30, -1, list_enemies0, 2})) << i;
    }
}

TEST_F(fish_test, it_fires_volleys_on_screen_and_fans_from_level_2_at_the_levels_rate_and_speed) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> fan_frames; // in the first 160
        float speed;
    };
    const row_t rows[] = {
        {1, {}, 0},
        {2, {0, 12, 24, 132, 144, 156}, 1.0f},
        {3, {0, 8, 16, 24, 128, 136, 144, 152}, 1.2f},
        {4, {0, 6, 12, 18, 24, 30, 132, 138, 144, 150, 156}, 1.5f},
        {5, {0, 4, 8, 12, 16, 20, 24, 28, 128, 132, 136, 140, 144, 148, 152, 156}, 2.0f},
        {8, {0, 4, 8, 12, 16, 20, 24, 28, 128, 132, 136, 140, 144, 148, 152, 156}, 2.0f},
    };
    for (const row_t& r : rows) {
        swimming(*this, 200, 100, r.level);
        run(160);
        std::vector<std::pair<uint32_t, int32_t>> fans;
        for (size_t i = 0; i < r.fan_frames.size(); ++i) {
            fans.emplace_back(r.fan_frames[i], int32_t(i % 16));
        }
        const std::vector<launch_t> all = launches(list_enemy_shots);
        EXPECT_EQ(fired(all, true), fans) << r.level;
        for (const launch_t& l : all) {
            EXPECT_FLOAT_EQ(l.speed, l.index < 16 ? r.speed : 2.0f) << r.level;
        }
        // Four volley shots at 0, 4, 8 and 12 of every 64 frames, each the first idle one.
        EXPECT_EQ(fired(all, false), (std::vector<std::pair<uint32_t, int32_t>>{{0, 16},
                                                                                {4, 17},
                                                                                {8, 18},
                                                                                {12, 19},
                                                                                {64, 20},
                                                                                {68, 21},
                                                                                {72, 22},
                                                                                {76, 23},
                                                                                {128, 16},
                                                                                {132, 17},
                                                                                {136, 18},
                                                                                {140, 19}}))
            << r.level;
        EXPECT_EQ(sound_frames(45).size(), 12u);
    }
    // The volley leaves the mouth and the fan the snout, each with its first step taken.
    fish_t* fish = swimming(*this, 200, 100, 2);
    run(1);
    EXPECT_EQ(launches(list_enemy_shots),
              (std::vector<launch_t>{{0, list_enemy_shots, 0, 199.75f - 34 - 1, 88, 32, 1.0f},
                                     {0, list_enemy_shots, 16, 199.75f - 24 - 2, 104, 32, 2.0f}}));
    EXPECT_TRUE(fish->volley_shots[0]->effect->alive);
    // A fan shot still flying is skipped and the fan moves on; a full volley pool still sounds.
    fish->fan_shots[1]->start();
    for (missile_t* shot : fish->volley_shots) {
        shot->start();
    }
    run(24);
    EXPECT_EQ(fired(launches(list_enemy_shots), true),
              (std::vector<std::pair<uint32_t, int32_t>>{{0, 0}, {24, 2}}));
    EXPECT_EQ(sound_frames(45), (std::vector<uint32_t>{0, 4, 8, 12}));
    // Off screen it holds the volley but not the fan.
    swimming(*this, 300, 100, 2);
    run(13);
    EXPECT_EQ(fired(launches(list_enemy_shots), false).size(), 0u);
    EXPECT_EQ(fired(launches(list_enemy_shots), true).size(), 2u);
    EXPECT_EQ(sounds_of(45), 0);
}

TEST_F(fish_test, below_100_it_bursts_in_debris_for_48_frames_then_dies_with_a_revenge_from_level_4) {
    for (const int32_t level : {3, 4}) {
        fish_t* fish = swimming(*this, 150, 100, level, 37);
        run(20);
        const float x = fish->x;
        fish->hp = 99;
        run(1);
        EXPECT_EQ(fish->state, 1000u);
        EXPECT_EQ(sounds_of(75), 1);
        shoot(fish->x + 8, fish->y, 5);
        g_score = 0;
        run(47);
        EXPECT_EQ(fish->hp, 99);
        EXPECT_EQ(sounds_of(48), 0);
        EXPECT_TRUE(fish->alive);
        run(1);
        EXPECT_FALSE(fish->alive);
        EXPECT_TRUE(fish->explosion->alive);
        EXPECT_TRUE(fish->carried->alive);
        EXPECT_EQ(g_score, fish->score());
        EXPECT_EQ(sound_frames(42), (std::vector<uint32_t>{68}));
        EXPECT_EQ(pool_shots_alive(), level >= 4 ? 1 : 0) << level;
        EXPECT_FALSE(fish->jet_a->alive);
        EXPECT_EQ(fish->x, x) << "it stops while dying";
        // Nine debris, one every 6 frames from the first dying frame, at their offsets.
        std::vector<launch_t> debris;
        for (const launch_t& l : launches(list_explosions)) {
            if (l.index >= 1 && l.index < 17) {
                debris.push_back(l);
            }
        }
        const int32_t dx[9] = {-16, -8, 24, 8, -24, 16, 8, 24, -16};
        const int32_t dy[9] = {-8, 4, 8, -8, 6, -8, 8, -8, -8};
        ASSERT_EQ(debris.size(), 9u);
        for (int32_t i = 0; i < 9; ++i) {
            EXPECT_EQ(debris[size_t(i)], (launch_t{uint32_t(20 + 6 * i), list_explosions, 1 + i,
                                                   float(int32_t(x) + dx[i]), float(100 + dy[i]), -1, 0}))
                << i;
        }
    }
}

TEST_F(fish_test, it_is_hit_8_right_of_its_place_parks_past_the_left_edge_and_moves_its_jets) {
    fish_t* fish = swimming(*this, 100, 100);
    plat::rect_t box{};
    fish->get_rect(box);
    EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom), std::tuple(80, 88, 136, 112));
    EXPECT_FALSE(shoot(75, 100, 1, 2, 2));
    EXPECT_TRUE(shoot(135, 100, 1, 2, 2));
    EXPECT_EQ(fish->hp, fish->max_hp() - 1);
    run(1);
    EXPECT_EQ(sounds_of(48), 1);
    EXPECT_EQ(std::pair(fish->jet_a->x, fish->jet_a->y), std::pair(99.75f + 30, 94.0f));
    EXPECT_EQ(std::pair(fish->jet_b->x, fish->jet_b->y), std::pair(99.75f + 34, 105.0f));
    // A hit through all its points kills it at once, jets and all.
    ASSERT_TRUE(fish->jet_a->alive && fish->jet_b->alive);
    shoot(135, 100, 9999, 2, 2);
    EXPECT_FALSE(fish->alive || fish->jet_a->alive || fish->jet_b->alive);
    EXPECT_EQ(fish->state, 0u);

    fish = swimming(*this, -63, 100, 1, 37);
    g_score = 0;
    run(4);
    EXPECT_TRUE(fish->alive);
    run(1);
    EXPECT_FALSE(fish->alive);
    EXPECT_FALSE(fish->jet_a->alive || fish->jet_b->alive || fish->explosion->alive || fish->carried->alive);
    EXPECT_EQ(g_score, 0);
    EXPECT_EQ(fish->timer, 4u);
}
