#include "objects/ending_objects.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

const objectinfo_t record = test_record(350, 16, 16, 1);

} // namespace

TEST(ending_objects, they_rise_and_fade_and_ignore_the_scroll_and_hits) {
    ending_object001_t rising(&record, 100, 200, 0);
    rising.update();
    EXPECT_EQ(rising.y, float(200 - 0.2));
    rising.move_x(-5);
    rising.move_y(4);
    rising.damage(9999);
    EXPECT_EQ(rising.x, 100.0f);
    EXPECT_TRUE(rising.alive);

    ending_object002_t title(&record, 100, 128.1f, 0);
    EXPECT_EQ(title.blend_mode(), 256);
    title.update();
    EXPECT_LE(title.y, 128.0f);
    EXPECT_EQ(title.blend_mode(), 256);
    for (int i = 0; i < 64; ++i) {
        title.update();
    }
    EXPECT_EQ(title.blend_mode(), 0);
    title.update();
    EXPECT_EQ(title.blend_mode(), 0);
}

TEST(ending_objects, the_ship_rises_waits_animates_then_climbs_with_a_sound_at_pattern_8) {
    ending_object_shipeject_t ship(&record, 128, 200, 0);
    for (int i = 0; i < 300; ++i) {
        ship.update();
    }
    EXPECT_LT(ship.y, 188.1f);
    EXPECT_GT(ship.y, 187.9f);
    const float resting = ship.y;
    for (int i = 0; i < 32 + 96; ++i) {
        ship.update();
    }
    EXPECT_EQ(ship.y, resting);
    EXPECT_EQ(ship.pattern, 7);
    g_soundctr.se_states[4] = 0;
    ship.update(); // t = 96: the climb begins with pattern 8 and its sound
    EXPECT_EQ(ship.pattern, 8);
    EXPECT_EQ(g_soundctr.se_states[4], 2);
    EXPECT_FLOAT_EQ(ship.y, resting - 1.0f);
    for (int i = 0; i < 100; ++i) {
        ship.update();
    }
    EXPECT_EQ(ship.pattern, 15);
}

TEST(ending_objects, the_tripus_laser_flies_along_whole_degrees) {
    const objectinfo_t laser_record = test_record(275, 8, 8, 1);
    tripus_laser_t laser(&laser_record, 0);
    g_terrain_mode = 0;
    laser.set_position(100, 100);
    laser.direction = 90;
    laser.speed = 2;
    laser.start();
    laser.update();
    EXPECT_EQ(laser.y, 98.0f);
    EXPECT_EQ(laser.x, 100.0f + 2 * cos_table_deg[90]);
    laser.direction = 180;
    laser.set_position(-31, 100);
    laser.update();
    EXPECT_FALSE(laser.alive);
}
