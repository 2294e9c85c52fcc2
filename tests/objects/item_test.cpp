#include "objects/item.h"
#include "objects/play_globals.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

const objectinfo_t item_record = test_record(37, 16, 16, 1);
const objectinfo_t speed_record = test_record(34, 16, 16, 1);

void updates(object_t& object, int n) {
    for (int i = 0; i < n; ++i) {
        object.update();
    }
}

} // namespace

TEST(items, an_idle_item_animates_every_eighth_frame_and_dies_far_off_screen) {
    item_t item(&item_record);
    EXPECT_FALSE(item.alive);
    item.start();
    updates(item, 8);
    EXPECT_EQ(item.pattern, 0);
    item.update();
    EXPECT_EQ(item.pattern, 1);
    item.set_position(-255.5f, 100);
    item.move_x(-1); // -256.5 truncates to -256
    EXPECT_TRUE(item.alive);
    item.move_x(-1);
    EXPECT_FALSE(item.alive);
    item.start();
    item.set_position(100, 511.5f);
    item.move_y(0);
    EXPECT_TRUE(item.alive);
    item.move_y(1);
    EXPECT_FALSE(item.alive);
}

TEST(items, a_thrown_item_bounces_off_the_top_and_right_edges_but_not_the_left) {
    item_t item(&item_record);
    const float top[2] = {100, 8};
    item.release(top, 6, 3.0f);
    EXPECT_TRUE(item.alive);
    item.update();
    EXPECT_EQ(item.direction, 58);
    EXPECT_EQ(item.y, 8.0f);
    EXPECT_TRUE(item.is_flashing());
    item.move_x(-50); // travelling items do not scroll
    EXPECT_GT(item.x, 100.0f);

    const float right[2] = {255.5f, 100};
    item.release(right, 0, 3.0f);
    item.update();
    EXPECT_EQ(item.x, 255.0f);
    EXPECT_EQ(item.direction, 32);

    const float left[2] = {1, 100};
    item.release(left, 32, 3.0f);
    updates(item, 10);
    EXPECT_LT(item.x, -20.0f);
    EXPECT_TRUE(item.alive);
}

// One travel step of 3 pixels onto each edge and just short of it: x 256 and y 248 bounce back inside,
// y below 8 bounces down.
TEST(items, a_travel_step_bounces_exactly_at_the_edges) {
    struct case_t {
        float x, y;
        int32_t direction;
        float bounced_x, bounced_y;
        int32_t bounced_direction;
    };
    for (const case_t& c : {case_t{253, 100, 0, 255, 100, 32}, case_t{252.5f, 100, 0, 255.5f, 100, 0},
                            case_t{100, 10.5f, 16, 100, 8, 48}, case_t{100, 11, 16, 100, 8, 16},
                            case_t{100, 245, 48, 100, 247, 16}, case_t{100, 244.5f, 48, 100, 247.5f, 48}}) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << " heading " << c.direction);
        item_t item(&item_record);
        const float at[2] = {c.x, c.y};
        item.release(at, c.direction, 3.0f);
        item.update();
        EXPECT_FLOAT_EQ(item.x, c.bounced_x);
        EXPECT_FLOAT_EQ(item.y, c.bounced_y);
        EXPECT_EQ(item.direction, c.bounced_direction);
    }
}

TEST(items, travel_slows_to_a_stop_and_the_item_settles_after_128_frames) {
    item_t item(&item_record);
    const float from[2] = {100, 100};
    item.release(from, 16, 3.0f);
    updates(item, 40);
    EXPECT_EQ(item.speed, 0.0f);
    const float stopped = item.y;
    updates(item, 88);
    EXPECT_EQ(item.y, stopped);
    EXPECT_EQ(item.state, 100);
    item.update(); // the 129th: settles and is idle in the same update
    EXPECT_EQ(item.state, 0);
    EXPECT_FALSE(item.released);
    EXPECT_FALSE(item.is_flashing());
    EXPECT_EQ(item.timer, 1u);
    item.move_x(-4);
    EXPECT_EQ(item.x, 96.0f);
}

TEST(items, a_speed_item_alternates_every_128_frames_and_reports_34_until_its_first_update) {
    speed_item_t item(&speed_record);
    item.start();
    EXPECT_EQ(item.type_id(), 34);
    item.update();
    EXPECT_EQ(item.type_id(), 35);
    updates(item, 4);
    EXPECT_EQ(item.pattern, 1);
    updates(item, 123);
    EXPECT_EQ(item.type_id(), 35);
    item.update(); // the 129th update: picked up in frame 130 after its start, it is a speed-down
    EXPECT_EQ(item.type_id(), 36);
    EXPECT_EQ(item.pattern, 8);
    updates(item, 28);
    EXPECT_EQ(item.pattern, 15);
    item.update();
    item.update();
    item.update();
    item.update();
    EXPECT_EQ(item.pattern, 8);
    item.kill();
    EXPECT_EQ(item.type_id(), 34);

    const float from[2] = {50, 50};
    item.release(from, 0, 2.0f);
    item.update();
    EXPECT_EQ(item.type_id(), 35);
    EXPECT_EQ(item.state, 101);
}
