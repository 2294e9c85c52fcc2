#include "play/play_state.h"

#include "objects/hitmark.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "player/double_shot.h"
#include "player/powergauge.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> draws() {
    return {rng::rand(), rng::rand(), rng::rand()};
}

// A play that left every global changed is followed by one that starts as the first did.
TEST(play_state, one_call_returns_every_global_to_its_start_value) {
    reset_play_state();
    const std::vector<int32_t> first = draws();
    g_frame_counter = 99;
    g_stage_position = 0x30010;
    g_section_repeat = 3;
    g_repeat_count = 2;
    g_level = 8;
    g_terrain_mode = 0;
    score_reset(123456);
    g_lives = 5;
    score_add_pending(700);
    g_hitmarks.push_back({});
    craters_enabled = true;
    dbl_aim = 40;
    powergauge::loadout = 3;
    powergauge::shot_type = 2;
    powergauge::gauge = std::make_unique<gauge_t>();

    reset_play_state();
    EXPECT_EQ(draws(), first);
    EXPECT_EQ(g_frame_counter, 0u);
    EXPECT_EQ(g_stage_position + g_section_repeat + g_repeat_count, 0u);
    EXPECT_EQ(g_level, 1);
    EXPECT_EQ(g_terrain_mode, 2);
    EXPECT_EQ(g_score, 0);
    EXPECT_EQ(g_lives, 0);
    EXPECT_EQ(g_pending_bonus, 0);
    EXPECT_EQ(g_next_extend, extend_step);
    EXPECT_TRUE(g_hitmarks.empty());
    EXPECT_FALSE(craters_enabled);
    EXPECT_EQ(dbl_aim, 0);
    EXPECT_EQ(powergauge::loadout, 0);
    EXPECT_EQ(powergauge::shot_type, 0);
    EXPECT_EQ(powergauge::gauge, nullptr);
}

} // namespace
