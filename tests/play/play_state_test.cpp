#include "play/play_state.h"
#include "play/playinfo.h"
#include "play/recorded_run.h"

#include "objects/hitmark.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "player/double_shot.h"
#include "player/powergauge.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

std::vector<int32_t> draws() {
    return {rng::rand(), rng::rand(), rng::rand()};
}

// A play that left every global changed is followed by one that starts as the first did, whether it
// starts as a play or as a recorded run, which then takes the score and lives of its header.
TEST(play_state, one_call_returns_every_global_to_its_start_value) {
    reset_play_state();
    const std::vector<int32_t> first = draws();
    playinfo_t header;
    header.start_score = 2 * extend_step + 5;
    header.start_lives = 150;
    struct start_t {
        const char* name;
        std::function<void()> start;
        int32_t score, lives, next_extend;
    };
    const start_t starts[] = {
        {"play", reset_play_state, 0, 0, extend_step},
        {"recorded run", [&] { begin_recorded_run(header); }, 2 * extend_step + 5, lives_cap,
         3 * extend_step},
    };
    for (const start_t& s : starts) {
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

        s.start();
        EXPECT_EQ(draws(), first) << s.name;
        EXPECT_EQ(g_frame_counter, 0u) << s.name;
        EXPECT_EQ(g_stage_position + g_section_repeat + g_repeat_count, 0u) << s.name;
        EXPECT_EQ(g_level, 1) << s.name;
        EXPECT_EQ(g_terrain_mode, 2) << s.name;
        EXPECT_EQ(g_score, s.score) << s.name;
        EXPECT_EQ(g_lives, s.lives) << s.name;
        EXPECT_EQ(g_pending_bonus, 0) << s.name;
        EXPECT_EQ(g_next_extend, s.next_extend) << s.name;
        EXPECT_TRUE(g_hitmarks.empty()) << s.name;
        EXPECT_FALSE(craters_enabled) << s.name;
        EXPECT_EQ(dbl_aim, 0) << s.name;
        EXPECT_EQ(powergauge::loadout, 0) << s.name;
        EXPECT_EQ(powergauge::shot_type, 0) << s.name;
        EXPECT_EQ(powergauge::gauge, nullptr) << s.name;
    }
    reset_play_state();
}

} // namespace
