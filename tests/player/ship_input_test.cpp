// The ship in play: direction from the arrow keys, the play area, speed levels, banking, the warp-in
// and the double shot's steering.
#include "player/double_shot.h"
#include "player/powergauge.h"
#include "tests/player/ship_fixture.h"

namespace {

using ship_input = ship_fixture_t;

TEST(ship_direction, arrow_keys_give_eight_directions_and_opposite_keys_cancel) {
    const struct {
        uint8_t keys;
        int32_t direction;
    } cases[] = {{input_right, 0},
                 {input_up | input_right, 8},
                 {input_up, 16},
                 {input_up | input_left, 24},
                 {input_left, 32},
                 {input_down | input_left, 40},
                 {input_down, 48},
                 {input_down | input_right, 56},
                 {input_up | input_down | input_right, 0},
                 {input_up | input_down, -1},
                 {input_up | input_down | input_left | input_right, -1},
                 {input_shot | input_multiple | input_powerup, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(input_direction(c.keys), c.direction) << int(c.keys);
    }
}

TEST_F(ship_input, the_warp_in_shrinks_for_64_frames_and_plays_on_the_65th) {
    ASSERT_TRUE(play.startup({}));
    play.start_stage();
    EXPECT_EQ(ship().scale(), 2000);
    int frames = 0;
    while (ship().scale() > 100) {
        play.frame(0);
        ++frames;
    }
    EXPECT_EQ(frames, 64);
    EXPECT_EQ(ship().state, ship_t::warp_in);
    EXPECT_EQ(ship().x, 128.0f);
    EXPECT_EQ(ship().y, 128.0f);
    play.frame(0);
    EXPECT_EQ(ship().state, ship_t::play);
    EXPECT_EQ(ship().pattern, 0);
    EXPECT_TRUE(requested(17));
}

TEST_F(ship_input, the_ship_stays_half_its_size_plus_8_pixels_inside_the_play_area) {
    ASSERT_TRUE(start());
    play.frames(input_right, 10);
    EXPECT_FLOAT_EQ(ship().x, 148.0f); // 2 pixels a frame at level 4
    play.frames(input_left | input_up, 200);
    EXPECT_EQ(ship().x, 16.0f); // the sample ship is 16 x 8
    EXPECT_EQ(ship().y, 12.0f);
    play.frames(input_right | input_down, 200);
    EXPECT_EQ(ship().x, 240.0f);
    EXPECT_EQ(ship().y, 244.0f);
}

TEST_F(ship_input, speed_levels_run_from_4_to_16_with_their_messages) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(ship().speed_down());
    for (int level = 5; level <= 16; ++level) {
        EXPECT_TRUE(ship().speed_up());
        EXPECT_EQ(play.count_events(386, 24), level == 16 ? 1 : 0);
    }
    EXPECT_EQ(ship().speed, 8.0f);
    EXPECT_FALSE(ship().speed_up());
    EXPECT_EQ(play.count_events(386, 24), 1);
    while (ship().speed_down()) {
    }
    EXPECT_EQ(ship().speed_level, 4);
    EXPECT_EQ(play.count_events(386, 7), 12);
}

TEST_F(ship_input, banking_tilts_a_quarter_a_frame_up_to_three_and_levels_out_by_a_fifth) {
    ASSERT_TRUE(start());
    play.frames(input_up, 4);
    EXPECT_EQ(ship().pattern, 15); // bank -1
    play.frames(input_up, 20);
    EXPECT_FLOAT_EQ(ship().bank, -3.0f);
    EXPECT_EQ(ship().pattern, 13);
    play.frames(0, 14);
    EXPECT_NEAR(ship().bank, -0.2f, 1e-5);
    play.frames(0, 2);
    EXPECT_EQ(ship().bank, 0.0f);
    play.frames(input_down, 12);
    EXPECT_EQ(ship().pattern, 3);
}

TEST_F(ship_input, with_the_double_shot_the_multiple_key_steers_the_aim_and_holds_the_ship) {
    ASSERT_TRUE(start({.equipment = weapon_double}));
    EXPECT_EQ(dbl_aim, 8);
    const float y = ship().y;
    play.frames(input_multiple | input_up, 3);
    EXPECT_EQ(dbl_aim, 11);
    EXPECT_EQ(ship().y, y);
    ASSERT_TRUE(powergauge_set_shot(&ship(), weapon_normal));
    play.frames(input_multiple | input_up, 3);
    EXPECT_EQ(dbl_aim, 11);
    EXPECT_LT(ship().y, y);
}

} // namespace
