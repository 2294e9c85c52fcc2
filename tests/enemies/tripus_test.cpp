// Tripus on the kit: its assembly, the dash and the bursts of the attack by level, the burst angles that
// follow the spin, the retreat two sections on, and its damage.
#include "enemies/gunships/tripus.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <utility>

namespace {

using tripus = enemy_kit_t;

tripus_t* standing_by(enemy_kit_t& kit, int32_t level, uint32_t key = 0) {
    kit.load({placed(274, 200, 128, 0, 37, key)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(40, 128);
    return kit.only<tripus_t>();
}

// The frame of each burst of three from the launch `from` on, less `base`.
std::vector<uint32_t> burst_frames(const std::vector<launch_t>& launches, size_t from = 0,
                                   uint32_t base = 0) {
    std::vector<uint32_t> frames;
    for (size_t i = from; i < launches.size(); i += 3) {
        frames.push_back(launches[i].frame - base);
    }
    return frames;
}

} // namespace

TEST_F(tripus, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {274, 275, 276, 83}) {
        records({}, {missing});
        load({placed(274, 200, 120, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    tripus_t* body = standing_by(*this, 1);
    ASSERT_NE(body, nullptr);
    EXPECT_NE(body->carried, nullptr);
    const std::vector<part_t> shots = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_EQ(shots.size(), 64u);
    EXPECT_EQ(shots[63], (part_t{"tripus_laser_t", 275, -1, list_enemies0, 0}));
    const std::vector<part_t> effects = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(effects.size(), 65u);
    EXPECT_EQ(effects[0], (part_t{"explosion_t", 83, 2, list_enemies0, 0}));
    EXPECT_EQ(effects[64], (part_t{"explosion_t", 276, 2, list_enemy_shots, 63}));
}

TEST_F(tripus, it_dashes_32_frames_at_the_ship_then_stands_48_firing_bursts_by_level) {
    // The level and the frames of the bursts of the first standing phase.
    const std::pair<int32_t, std::vector<uint32_t>> rows[] = {
        {1, {33, 49, 65}},
        {2, {33, 49, 65}},
        {3, {33, 35, 49, 51, 65, 67}},
        {8, {33, 35, 37, 39, 49, 51, 53, 55, 65, 67, 69, 71}}};
    for (const auto& [level, bursts] : rows) {
        tripus_t* body = standing_by(*this, level);
        run(32);
        EXPECT_FLOAT_EQ(body->x, 200 - 32 * 1.5f);
        ship_at(body->x, 40); // the next dash goes up
        run(50);
        EXPECT_EQ(burst_frames(launches(list_enemy_shots)), bursts) << level;
        EXPECT_EQ(sound_frames(98)[0], 33u);
        run(1);
        EXPECT_FLOAT_EQ(body->x, 200 - 32 * 1.5f);
        EXPECT_FLOAT_EQ(body->y, 128 - 1.5f);
    }
    // The arms turn 5 degrees a frame: the burst of frame 33 (pattern 10) leaves at 50, 170 and 290
    // degrees, 22 pixels out, and its first 1.2 step is made in that frame.
    const std::vector<launch_t> shots = launches(list_enemy_shots);
    const float x = 200 - 32 * 1.5f;
    const int32_t angles[] = {50, 170, 290, 60, 180, 300};
    for (size_t i = 0; i < 6; ++i) {
        const int32_t a = angles[i];
        EXPECT_EQ(shots[i].direction, a) << i;
        EXPECT_NEAR(shots[i].x, x + 23.2f * cos_table_deg[a], 0.01f) << i;
        EXPECT_NEAR(shots[i].y, 128 - 23.2f * sin_table_deg[a], 0.01f) << i;
        EXPECT_EQ(scene->stage.enemy_shots[i]->pattern, (a / 5) % 36);
    }
}

TEST_F(tripus, two_sections_on_it_retreats_from_the_ship_in_dashes_firing_every_15_frames) {
    tripus_t* body = standing_by(*this, 1, 0x100);
    advance_to(0x100);
    run(40);
    ship_at(250, 128); // it turns away to the left
    advance_to(0x200FF);
    run(1);
    EXPECT_LT(body->state, 500);
    const size_t before = launches(list_enemy_shots).size();
    advance_to(0x20100);
    const float x = body->x;
    run(98);
    EXPECT_EQ(burst_frames(launches(list_enemy_shots), before, 41),
              (std::vector<uint32_t>{0, 15, 30, 45, 60, 82, 97}));
    EXPECT_FLOAT_EQ(body->x, x - 80 * 1.5f) << "64 + 16 frames of dashing away from the ship at its right";
}

TEST_F(tripus, a_hit_sounds_and_sparks_on_every_fourth_frame_and_its_death_fires_back_from_level_4) {
    for (int32_t level : {3, 4}) {
        tripus_t* body = standing_by(*this, level);
        body->damage(0);
        run(1);
        EXPECT_EQ(sounds_of(48), 0);
        EXPECT_TRUE(shoot(body->x, body->y, 1)); // frame 1: no spark
        EXPECT_EQ(alive_count(g_spark_pool->items), 0);
        run(3);
        EXPECT_TRUE(shoot(body->x, body->y, 1)); // frame 4
        EXPECT_EQ(alive_count(g_spark_pool->items), 1);
        EXPECT_EQ(sounds_of(48), 1);
        body->damage(9999);
        run(1);
        EXPECT_EQ(sounds_of(38), 1);
        EXPECT_EQ(pool_shots_alive(), level >= 4 ? 1 : 0);
    }
}
