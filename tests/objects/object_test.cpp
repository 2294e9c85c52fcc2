#include "objects/explosion.h"
#include "objects/object.h"
#include "objects/play_globals.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

const objectinfo_t plain = test_record(200, 5, 4, 10);
const objectinfo_t effect = test_record(50, 8, 8, 4);

} // namespace

TEST(object_base, hits_stamp_at_most_every_third_frame_and_flash_only_in_the_stamped_frame) {
    object_t object(&plain, 0, 0);
    g_frame_counter = 10;
    object.damage(1);
    EXPECT_EQ(object.last_hit, 10u);
    EXPECT_TRUE(object.is_flashing());
    for (uint32_t frame : {11u, 12u}) {
        g_frame_counter = frame;
        object.damage(1);
        EXPECT_EQ(object.last_hit, 10u);
        EXPECT_FALSE(object.is_flashing());
    }
    g_frame_counter = 13;
    object.damage(1);
    EXPECT_EQ(object.last_hit, 13u);
    EXPECT_TRUE(object.is_flashing());
    EXPECT_EQ(object.hp, 6);
}

TEST(object_base, the_first_two_frames_of_a_stage_stamp_nothing) {
    object_t object(&plain, 0, 0);
    for (uint32_t frame : {0u, 1u}) {
        g_frame_counter = frame;
        object.damage(1);
        EXPECT_EQ(object.last_hit, 0xFFFFFFFFu);
        EXPECT_FALSE(object.is_flashing());
    }
    g_frame_counter = 2;
    object.damage(1);
    EXPECT_EQ(object.last_hit, 2u);
}

TEST(object_base, damage_of_zero_or_less_does_nothing_and_zero_hit_points_kill_again) {
    g_frame_counter = 100;
    object_t object(&plain, 0, 0);
    object.damage(0);
    object.damage(-5);
    EXPECT_EQ(object.hp, 10);
    EXPECT_EQ(object.last_hit, 0xFFFFFFFFu);
    object.damage(10);
    EXPECT_EQ(object.hp, 0);
    EXPECT_FALSE(object.alive);
    object.alive = 1; // a class that revives without start
    object.damage(1);
    EXPECT_FALSE(object.alive);
    EXPECT_EQ(object.hp, 0);
    object.start();
    EXPECT_TRUE(object.alive);
    EXPECT_EQ(object.hp, 10);
}

TEST(object_base, the_wrapped_vertical_scroll_keeps_the_fraction_of_the_sign_of_y) {
    object_t object(&plain, 0, 383.5f);
    object.move_y_wrapped(1);
    EXPECT_EQ(object.y, -127.5f);
    object.y = -129.5f;
    object.move_y_wrapped(0);
    EXPECT_EQ(object.y, 382.5f);
    object.y = -128.25f;
    object.move_y_wrapped(0);
    EXPECT_EQ(object.y, -128.25f);
    object.y = 100.75f;
    object.move_y_wrapped(-3);
    EXPECT_EQ(object.y, 97.75f);
}

TEST(object_base, boxes_truncate_toward_zero_not_down) {
    object_t object(&plain, 10.7f, 20.2f);
    plat::rect_t box;
    object.get_rect(box);
    EXPECT_EQ(box.left, 8);
    EXPECT_EQ(box.top, 18);
    EXPECT_EQ(box.right, 13);
    EXPECT_EQ(box.bottom, 22);
    object.set_position(-0.6f, -0.5f); // -2.6 and -2.5 truncate to -2, where floor would give -3
    object.get_rect(box);
    EXPECT_EQ(box.left, -2);
    EXPECT_EQ(box.top, -2);
    EXPECT_EQ(box.right, 3);
    EXPECT_EQ(box.bottom, 2);
}

TEST(piveter, killing_starts_the_dormant_death_explosion_where_it_died_but_never_a_running_one) {
    piveter_t body(&plain, 50, 60);
    explosion_t boom(&effect, 0);
    boom.start();
    body.attach_explosion(&boom);
    EXPECT_FALSE(boom.alive);
    EXPECT_EQ(boom.owner, &body);
    body.kill();
    EXPECT_TRUE(boom.alive);
    EXPECT_EQ(boom.x, 50.0f);
    EXPECT_EQ(boom.y, 60.0f);
    boom.update();
    boom.update();
    boom.update();
    EXPECT_EQ(boom.pattern, 1);
    body.set_position(5, 5);
    body.kill();
    EXPECT_EQ(boom.x, 50.0f);
    EXPECT_EQ(boom.pattern, 1);
    body.attach_explosion(nullptr);
    EXPECT_EQ(body.explosion, &boom);
}
