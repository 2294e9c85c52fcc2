#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

const objectinfo_t shot_record = test_record(17, 4, 4, 2);
const objectinfo_t effect_record = test_record(62, 8, 8, 4);

class shot_base : public ::testing::Test {
  protected:
    void SetUp() override {
        g_terrain_mode = 0;
        shot.effect = &effect;
    }
    // Starts the shot at (x, y) flying with (vx, vy).
    void fly(float x, float y, float vx, float vy) {
        shot.set_position(x, y);
        shot.vx = vx;
        shot.vy = vy;
        shot.start();
    }

    missile_t shot{&shot_record, 0};
    explosion_t effect{&effect_record, 0};
};

} // namespace

TEST_F(shot_base, shots_start_dormant_and_die_leaving_the_playfield_without_their_effect) {
    EXPECT_FALSE(missile_t(&shot_record, 0).alive);
    fly(-31, 100, -1, 0);
    shot.update();
    EXPECT_TRUE(shot.alive); // x = -32 is still inside
    fly(287, 100, 1, 0);
    shot.update();
    EXPECT_FALSE(shot.alive);
    fly(100, 259, 0, 1);
    shot.update();
    EXPECT_FALSE(shot.alive);
    fly(100, -3, 0, -1);
    shot.update();
    EXPECT_TRUE(shot.alive);
    EXPECT_FALSE(effect.alive);
    EXPECT_FALSE(shot.is_flashing());
}

TEST_F(shot_base, a_destroyed_shot_starts_its_effect_and_moves_a_running_one_without_restarting_it) {
    fly(100, 100, 0, 0);
    shot.damage(1);
    EXPECT_FALSE(effect.alive);
    shot.damage(1);
    EXPECT_TRUE(effect.alive);
    EXPECT_EQ(effect.x, 100.0f);
    effect.update();
    effect.update();
    effect.update();
    fly(50, 60, 0, 0);
    shot.damage(5);
    EXPECT_EQ(effect.x, 50.0f);
    EXPECT_EQ(effect.y, 60.0f);
    EXPECT_EQ(effect.pattern, 1);
}

TEST(common_shots, the_pattern_cycles_on_even_frames_and_the_second_kind_ignores_the_side_scroll) {
    common_missile1_t first(&shot_record, 0);
    common_missile2_t second(&shot_record, 0);
    g_terrain_mode = 0;
    for (missile_t* shot : {static_cast<missile_t*>(&first), static_cast<missile_t*>(&second)}) {
        shot->set_position(100, 100);
        shot->start();
    }
    g_frame_counter = 4;
    first.update();
    g_frame_counter = 5;
    first.update();
    g_frame_counter = 6;
    first.update();
    EXPECT_EQ(first.pattern, 2);
    for (int i = 0; i < 2; ++i) {
        g_frame_counter = 8 + 2 * i;
        first.update();
    }
    EXPECT_EQ(first.pattern, 0);
    first.move_x(-3);
    second.move_x(-3);
    second.move_y(2);
    EXPECT_EQ(first.x, 97.0f);
    EXPECT_EQ(second.x, 100.0f);
    EXPECT_EQ(second.y, 102.0f);
}
