#include "base/binio.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/object_count.h"
#include "objects/stage_pointers.h"
#include "objects/star.h"
#include "play/stage.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A stage over the sample parameter table, as a play start loads it.
class stage_lists : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory("bin");
        ASSERT_TRUE(
            write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(sample_objectinfo_records())));
        ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
        objects_before = g_object_count;
    }
    void TearDown() override { stage.clear(); }

    temp_folder_t folder;
    stage_t stage;
    int32_t objects_before = 0;
};

} // namespace

TEST_F(stage_lists, pools_and_stars_are_made_and_shared_and_clearing_deletes_everything) {
    stage.create_missile_pool(80, 1);
    stage.create_spark_pool(128);
    stage.create_star_field();
    EXPECT_EQ(g_shot_pool, nullptr); // shared only as the last step of a load
    stage.share_lists();
    EXPECT_EQ(g_shot_pool, &stage.shot_pool);
    EXPECT_EQ(g_spark_pool, &stage.spark_pool);
    EXPECT_EQ(g_enemy_list, &stage.enemies[0]);
    EXPECT_EQ(stage.shot_pool.size(), 80u);
    EXPECT_EQ(stage.spark_pool.size(), 128u);
    EXPECT_EQ(stage.stars.size(), 64u);
    EXPECT_EQ(g_object_count, objects_before + 80 + 128 + 64);

    stage.enemies[0].push_back(new enemy_t(objectinfo_find(200), 10, 10, 0));
    stage.enemies[0].push_back(nullptr);
    stage.enemies[0].first = 1;
    stage.enemies[0].end = 2;
    stage.events.push_back({380, 0, 5, 0});
    stage.clear();
    EXPECT_EQ(g_object_count, objects_before);
    EXPECT_EQ(stage.enemies[0].size(), 0u);
    EXPECT_EQ(stage.enemies[0].first, 0u);
    EXPECT_EQ(stage.enemies[0].end, 0u);
    EXPECT_EQ(stage.events.size(), 0u);
    EXPECT_TRUE(stage.stars.empty());
    EXPECT_EQ(g_shot_pool, nullptr);
    EXPECT_EQ(g_spark_pool, nullptr);
    EXPECT_EQ(g_enemy_list, nullptr);
    stage.clear(); // twice is harmless
}

TEST_F(stage_lists, the_first_loop_has_scrolling_shots_and_every_other_loop_fixed_ones) {
    stage.create_missile_pool(2, 1);
    stage.create_missile_pool(2, 2);
    stage.create_missile_pool(2, 0);
    ASSERT_EQ(stage.shot_pool.size(), 6u);
    for (uint32_t i = 0; i < 6; ++i) {
        missile_t* shot = stage.shot_pool[i];
        EXPECT_FALSE(shot->alive);
        EXPECT_EQ(shot->type_id(), 17);
        EXPECT_EQ(dynamic_cast<common_missile2_t*>(shot) != nullptr, i >= 2) << i;
    }
}

TEST_F(stage_lists, sparks_point_backwards_and_repeat_every_96) {
    stage.create_spark_pool(128);
    auto spark = [&](uint32_t i) { return static_cast<hit_spark_t*>(stage.spark_pool[i]); };
    EXPECT_EQ(spark(0)->direction, 25);
    EXPECT_EQ(spark(1)->direction, 33);
    EXPECT_EQ(spark(2)->direction, 27);
    EXPECT_EQ(spark(0)->start_speed, 2.0f);
    EXPECT_EQ(spark(1)->start_speed, 2.6f);
    EXPECT_EQ(spark(2)->start_speed, 3.2f);
    EXPECT_EQ(spark(2)->period, 7u);
    for (uint32_t i = 0; i < 128; ++i) {
        EXPECT_GE(spark(i)->direction, 24);
        EXPECT_LE(spark(i)->direction, 40);
        EXPECT_EQ(spark(i)->vx, 0.0f);
        EXPECT_FALSE(spark(i)->alive);
        if (i + 96 < 128) {
            EXPECT_EQ(spark(i)->direction, spark(i + 96)->direction);
            EXPECT_EQ(spark(i)->start_speed, spark(i + 96)->start_speed);
            EXPECT_EQ(spark(i)->period, spark(i + 96)->period);
        }
    }
}

TEST_F(stage_lists, stars_drift_at_their_groups_share_and_wrap_once_each_way) {
    stage.create_star_field();
    star_t* first = stage.stars[0];
    EXPECT_EQ(first->x, 23.0f);
    EXPECT_EQ(first->y, 20.0f);
    EXPECT_EQ(first->pattern, 3);
    EXPECT_EQ(first->h_factor, -0.4f);
    star_t* second_group = stage.stars[20];
    EXPECT_EQ(second_group->x, 2.0f);
    second_group->move_x(8);
    EXPECT_EQ(second_group->x, 254.0f);
    EXPECT_EQ(stage.stars[36]->x, 20.0f); // the third group exchanges the first table's rows
    EXPECT_EQ(stage.stars[36]->y, 23.0f);
    EXPECT_EQ(stage.stars[56]->v_factor, 0.75f);
    EXPECT_TRUE(stage.stars[63]->alive);

    star_t& star = *stage.stars[0];
    star.h_factor = 0.5f;
    star.x = 0.25f;
    star.move_x(-1);
    EXPECT_EQ(star.x, 255.75f);
    star.x = 256;
    star.move_x(0);
    EXPECT_EQ(star.x, 256.0f);
    star.v_factor = 1;
    star.y = 250;
    star.move_y_wrapped(10);
    EXPECT_EQ(star.y, 4.0f);
    star.damage(100);
    EXPECT_TRUE(star.alive);
}

TEST_F(stage_lists, a_missing_record_leaves_its_pool_empty) {
    std::vector<objectinfo_t> records = sample_objectinfo_records();
    std::erase_if(records, [](const objectinfo_t& r) { return r.id == 17 || r.id == 92 || r.id == 94; });
    ASSERT_TRUE(write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(records)));
    ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
    stage.create_missile_pool(80, 1);
    stage.create_spark_pool(128);
    stage.create_star_field();
    EXPECT_EQ(stage.shot_pool.size(), 0u);
    EXPECT_EQ(stage.spark_pool.size(), 0u);
    EXPECT_TRUE(stage.stars.empty());
}

TEST_F(stage_lists, enemies_of_a_record_without_a_list_are_held_apart_and_still_deleted) {
    EXPECT_EQ(&stage.enemy_list(1), &stage.enemies[1]);
    EXPECT_EQ(&stage.enemy_list(3), &stage.unlisted);
    EXPECT_EQ(&stage.enemy_list(-1), &stage.unlisted);
    stage.enemy_list(7).push_back(new enemy_t(objectinfo_find(200), 0, 0, 0));
    EXPECT_EQ(g_object_count, objects_before + 1);
    stage.clear();
    EXPECT_EQ(g_object_count, objects_before);
}

TEST(object_list, windows_only_move_forward_by_their_keys) {
    array_t<eventinfo_t> events;
    for (uint32_t key : {0u, 0x10000u, 0x10003u, 0x10003u, 0x20000u, 0x10001u}) {
        events.push_back({380, 0, key, 0});
    }
    events.advance_window(0, 1);
    EXPECT_EQ(events.first, 0u);
    EXPECT_EQ(events.end, 1u);
    events.advance_window(0x10000, 0x10004);
    EXPECT_EQ(events.first, 1u);
    EXPECT_EQ(events.end, 4u);
    events.advance_window(0, 0); // never backwards
    EXPECT_EQ(events.first, 1u);
    EXPECT_EQ(events.end, 4u);
    events.advance_window(0x30000, 0x40000); // never past the element count
    EXPECT_EQ(events.first, 6u);
    EXPECT_EQ(events.end, 6u);
    events.clear();
    EXPECT_EQ(events.first, 0u);
    EXPECT_EQ(events.size(), 0u);
}
