// The ship's hits, dying, death, respawn and game over.
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/discharge.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/shipjet.h"
#include "tests/player/ship_fixture.h"

namespace {

class ship_life : public ship_fixture_t {
  protected:
    // Starts the play and runs out the invulnerability of the stage start.
    void start_vulnerable(const play_settings_t& settings = {}) {
        ASSERT_TRUE(start(settings));
        ship().damage(5);
        EXPECT_EQ(ship().dying_timer, 0u); // invulnerable
        while (ship().invulnerable_timer > 0) {
            play.frame(0);
        }
        forget_sounds();
    }

    void until_dead() {
        while (ship().state == ship_t::play) {
            play.frame(0);
        }
        while (ship().explosion->alive) {
            play.frame(0);
        }
    }
};

TEST_F(ship_life, the_shield_takes_the_hits_and_the_ship_behind_it_survives) {
    start_vulnerable();
    powergauge_give_shield(&ship());
    play.frames(0, 8); // a fresh shield ignores hits for 8 frames
    for (int32_t i = 0; i < play.player.shield->max_hp(); ++i) {
        ship().damage(3);
        EXPECT_EQ(ship().dying_timer, 0u);
        play.frames(0, 8);
    }
    EXPECT_FALSE(play.player.shield->alive);
    ship().damage(1);
    EXPECT_EQ(ship().dying_timer, 128u);
}

TEST_F(ship_life, a_hit_kills_after_128_frames_and_further_hits_bring_death_nearer) {
    start_vulnerable();
    ship().speed_up();
    ship().damage(1);
    EXPECT_EQ(ship().speed_level, 4);
    EXPECT_FALSE(play.player.jet->alive);
    EXPECT_TRUE(requested(14));
    EXPECT_FALSE(powergauge_speed_up(&ship())); // refused while dying
    ship().damage(1);
    EXPECT_EQ(ship().dying_timer, 120u);
    play.frames(0, 88);
    EXPECT_EQ(ship().flashing, 0);
    play.frame(0);
    EXPECT_EQ(ship().flashing, 1); // the last 32 frames
    play.frames(0, 26);
    ship().damage(1);
    ship().damage(1);
    EXPECT_EQ(ship().dying_timer, 1u);
    EXPECT_TRUE(ship().alive);
    play.frame(0);
    EXPECT_EQ(ship().state, ship_t::dead);
    EXPECT_FALSE(ship().alive);
    EXPECT_TRUE(requested(3));
    EXPECT_FLOAT_EQ(ship().explosion->x, ship().x - 12);
    EXPECT_TRUE(play.player.discharge->alive);
}

TEST_F(ship_life, after_the_explosion_a_life_buys_a_fly_in_with_a_blinking_ship) {
    start_vulnerable({.lives = 2});
    ship().damage(1);
    until_dead();
    EXPECT_EQ(ship().state, ship_t::dead);
    play.frame(0);
    EXPECT_EQ(ship().state, ship_t::fly_in);
    EXPECT_EQ(g_lives, 1);
    EXPECT_TRUE(requested(15));
    ship().start_stage(); // ignored during a fly-in
    EXPECT_EQ(ship().scale(), 100);
    ASSERT_TRUE(play.until_in_play());
    EXPECT_NEAR(ship().x, -64.0f + 164.0f, 4.0f);
    // Hidden exactly in the frames whose counter is 2 mod 3, until the invulnerability ends.
    for (int i = 0; i < 6; ++i) {
        const uint32_t frame = g_frame_counter;
        play.frame(0);
        EXPECT_EQ(ship().image_id(), frame % 3 == 2 ? -1 : ship().info->image_id) << frame;
    }
    while (ship().invulnerable_timer > 0) {
        play.frame(0);
    }
    EXPECT_EQ(ship().image_id(), ship().info->image_id);
}

// The warp-in of a stage start, frame by frame: from (-80, 288) at twenty times the size, 4 pixels right
// and up a frame up to (128, 128) while the size falls by 30 percent points to 100, then play; hits do
// nothing for 320 frames.
TEST_F(ship_life, a_stage_starts_with_a_warp_in_and_320_invulnerable_frames) {
    ASSERT_TRUE(start());
    ship().start_stage();
    for (int32_t frame = 1; frame <= 320; ++frame) {
        SCOPED_TRACE(frame);
        play.frame(0);
        const bool warping = frame <= 64;
        const int32_t steps = std::min(frame, 65);
        EXPECT_EQ(ship().state, warping ? ship_t::warp_in : ship_t::play);
        EXPECT_EQ(ship().scale(), std::max(2000 - 30 * frame, 100));
        EXPECT_EQ(ship().x, std::min(-80.0f + 4.0f * float(steps), 128.0f));
        EXPECT_EQ(ship().y, std::max(288.0f - 4.0f * float(steps), 128.0f));
        EXPECT_EQ(ship().invulnerable_timer, uint32_t(320 - frame));
        ship().damage(1);
        EXPECT_EQ(ship().dying_timer, frame < 320 ? 0u : 128u);
    }
}

TEST_F(ship_life, without_lives_the_ship_ends_the_run_once) {
    start_vulnerable({.lives = 0});
    ship().damage(1);
    until_dead();
    play.frames(0, 10);
    EXPECT_EQ(ship().state, ship_t::ended);
    EXPECT_EQ(play.count_events(418, 0), 1);
    EXPECT_EQ(ship().image_id(), -1);
    EXPECT_EQ(ship().x, -9999.0f);
}

TEST_F(ship_life, a_negative_life_count_is_no_life) {
    start_vulnerable();
    g_lives = -3;
    EXPECT_FALSE(ship().respawn());
    EXPECT_EQ(g_lives, -3);
}

} // namespace
