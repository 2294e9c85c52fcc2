#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
#include "player/ship.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const objectinfo_t shot_record = test_record(17, 4, 4, 1);
const objectinfo_t spark_record = test_record(92, 4, 4, 4);
const objectinfo_t ship_record = test_record(44, 16, 8, 1);

// Pools of dormant shots and sparks published as the stage does, withdrawn at the end.
class enemy_fire : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i) {
            shots.push_back(std::make_unique<common_missile1_t>(&shot_record, 0));
            shot_pool.push_back(shots.back().get());
            sparks.push_back(std::make_unique<hit_spark_t>(&spark_record, 0));
            sparks.back()->start_speed = 2.0f;
            spark_pool.push_back(sparks.back().get());
        }
        g_shot_pool = &shot_pool;
        g_spark_pool = &spark_pool;
        g_player_ship = &ship;
    }
    void TearDown() override {
        g_shot_pool = nullptr;
        g_spark_pool = nullptr;
        g_player_ship = nullptr;
    }

    std::vector<std::unique_ptr<missile_t>> shots;
    std::vector<std::unique_ptr<hit_spark_t>> sparks;
    array_t<missile_t*> shot_pool;
    array_t<explosion_t*> spark_pool;
    ship_t ship{&ship_record, 40, 100};
    float from[2] = {140, 100};
};

} // namespace

TEST_F(enemy_fire, a_shot_takes_the_first_idle_member_of_the_pool) {
    shots[0]->start();
    shots[1]->start();
    fire_bullet(from, 8, 2.0f);
    EXPECT_FALSE(shots[3]->alive);
    missile_t& shot = *shots[2];
    ASSERT_TRUE(shot.alive);
    EXPECT_EQ(shot.x, 140.0f);
    EXPECT_EQ(shot.direction, 8);
    EXPECT_EQ(shot.speed, 2.0f);
    EXPECT_EQ(shot.vx, 2.0f * cos_table[8]);
    EXPECT_EQ(shot.vy, -2.0f * sin_table[8]);
    fire_bullet(from, 0, 1.0f);
    fire_bullet(from, 0, 1.0f); // the pool is exhausted: nothing happens
    EXPECT_TRUE(shots[3]->alive);
}

TEST_F(enemy_fire, aimed_shots_speed_up_from_level_5) {
    g_level = 4;
    fire_aimed_bullet(from);
    EXPECT_EQ(shots[0]->direction, 32); // the ship is straight to the left
    EXPECT_EQ(shots[0]->speed, 1.5f);
    g_level = 7;
    fire_aimed_bullet(from);
    EXPECT_EQ(shots[1]->speed, 2.1f);
    g_level = 8;
    fire_aimed_bullet(from);
    EXPECT_EQ(shots[2]->speed, 2.3f);
}

TEST_F(enemy_fire, sparks_start_only_as_many_as_are_idle) {
    sparks[1]->start();
    spawn_sparks(from, 5);
    for (const auto& spark : sparks) {
        EXPECT_TRUE(spark->alive);
    }
    EXPECT_EQ(sparks[0]->x, 140.0f);
    EXPECT_EQ(sparks[0]->speed, 2.0f);
    EXPECT_EQ(sparks[1]->x, 0.0f); // the running one was not touched
}

TEST_F(enemy_fire, nothing_fires_without_a_stage_or_a_ship) {
    g_player_ship = nullptr;
    fire_aimed_bullet(from);
    EXPECT_FALSE(shots[0]->alive);
    g_shot_pool = nullptr;
    g_spark_pool = nullptr;
    fire_bullet(from, 0, 1.0f);
    spawn_sparks(from, 3);
    EXPECT_FALSE(shots[0]->alive);
    EXPECT_FALSE(sparks[0]->alive);
}
