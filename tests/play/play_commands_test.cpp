#include "platform/clock.h"
#include "platform/keyboard.h"
#include "objects/play_globals.h"
#include "play/state_hash.h"
#include "screen/soundctr.h"
#include "scenes/config.h"
#include "play/key_table.h"
#include "play/scenectr.h"
#include "objects/score.h"
#include "tests/play/play_run_fixture.h"

#include <memory>
#include <vector>

namespace {

constexpr int vk_f2 = 0x71;
constexpr int32_t se_menu_cursor = 5;

class play_commands : public play_run_fixture_t {
  protected:
    void SetUp() override {
        play_run_fixture_t::SetUp();
        config_default(&config);
        controller = std::make_unique<scenectr_t>(&config);
        controller->state = scenectr_t::state_running;
        reset_run_globals();
    }
    void TearDown() override {
        controller.reset();
        play_run_fixture_t::TearDown();
    }

    std::vector<int32_t> queued() const {
        return {controller->queue, controller->queue + controller->queue_count};
    }

    config_t config{};
    std::unique_ptr<scenectr_t> controller;
};

} // namespace

TEST_F(play_commands, keys_pause_move_the_menu_cursor_and_resume) {
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    struct row_t {
        int pause_key;
        bool paused;
        int32_t cursor;
        int key;
        bool paused_after;
        int32_t cursor_after;
        bool menu_sound;
    };
    const row_t rows[] = {
        {plat::vk_space, false, 1, plat::vk_escape, true, 0, false}, // pausing opens on the first entry
        {plat::vk_space, true, 1, plat::vk_escape, false, 1, false},
        {plat::vk_space, true, 1, plat::vk_space, false, 1, false},
        {plat::vk_space, false, 0, plat::vk_space, true, 0, false},
        {plat::vk_space, false, 0, plat::vk_up, false, 0, false}, // the menu keys do nothing while running
        {plat::vk_space, false, 0, plat::vk_down, false, 0, false},
        {plat::vk_space, false, 0, plat::vk_return, false, 0, false},
        {plat::vk_space, true, 0, plat::vk_down, true, 1, true},
        {plat::vk_space, true, 1, plat::vk_down, true, 0, true},
        {plat::vk_space, true, 1, plat::vk_up, true, 0, true},
        {plat::vk_space, true, 0, plat::vk_return, false, 0, false},
        {plat::vk_space, true, 0, 'A', true, 0, false},
        {plat::vk_up, false, 0, plat::vk_up, true, 0, false}, // a pause key on Up pauses and resumes
        {plat::vk_up, true, 0, plat::vk_up, false, 0, false},
        {plat::vk_up, true, 0, plat::vk_down, true, 1, true},
        {plat::vk_return, false, 0, plat::vk_return, true, 0, false},
        {plat::vk_return, true, 1, plat::vk_return, false, 1, false}, // resumes instead of quitting
    };
    for (const row_t& r : rows) {
        g_key_table[key_pause].code = r.pause_key;
        scene.paused = r.paused;
        scene.pause_cursor = r.cursor;
        g_soundctr.se_states.fill(0);
        scene.on_key(r.key);
        SCOPED_TRACE(testing::Message() << "pause key " << r.pause_key << ", key " << r.key);
        EXPECT_EQ(scene.paused, r.paused_after);
        EXPECT_EQ(scene.pause_cursor, r.cursor_after);
        EXPECT_EQ(g_soundctr.se_states[se_menu_cursor] != 0, r.menu_sound);
        EXPECT_EQ(controller->queue_count, 0);
    }
}

TEST_F(play_commands, f2_switches_the_frame_rate_on_with_a_fresh_measurement_and_off) {
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    plat::set_clock_for_test([] { return 5000u; });
    g_show_frame_rate = 0;
    scene.fps_rate = 12.5;
    scene.fps_frames = 3;
    scene.on_key(vk_f2);
    EXPECT_EQ(g_show_frame_rate, 1);
    EXPECT_EQ(scene.fps_rate, 0.0);
    EXPECT_EQ(scene.fps_frames, 0u);
    EXPECT_EQ(scene.fps_time, 5000u);
    plat::set_clock_for_test([] { return 5133u; });
    for (int i = 0; i < 8; ++i) {
        scene.run_frame(false);
    }
    EXPECT_NEAR(scene.fps_rate, 8000.0 / 133, 1e-9);
    scene.on_key(vk_f2);
    EXPECT_EQ(g_show_frame_rate, 0);
    plat::set_clock_for_test({});
}

TEST_F(play_commands, pausing_and_resuming_leave_the_game_as_it_was) {
    scripted_play_t scene(&settings, &ranking, weaving_script);
    ASSERT_TRUE(scene.startup());
    for (; scene.frame_number < 200; ++scene.frame_number) {
        scene.run_frame(false);
    }
    const uint64_t before = play_state_hash(scene);
    const uint32_t frames = g_frame_counter;
    scene.on_key(plat::vk_escape);
    for (int key : {plat::vk_down, plat::vk_up, plat::vk_down}) {
        scene.frame();
        scene.on_key(key);
    }
    scene.on_key(plat::vk_escape);
    EXPECT_FALSE(scene.paused);
    EXPECT_EQ(play_state_hash(scene), before);
    EXPECT_EQ(g_frame_counter, frames);
    EXPECT_EQ(scene.inputs_read, 200u);
}

TEST_F(play_commands, quitting_from_the_menu_enters_the_run_in_the_ranking_and_queues_game_over) {
    struct row_t {
        int32_t score;
        bool enters;
    };
    ranking.set_default();
    for (const row_t& r :
         {row_t{ranking.records[0].score + 1, true}, row_t{ranking.records[29].score, false}}) {
        controller->state = scenectr_t::state_running;
        controller->queue_locked = false;
        controller->queue_count = 0;
        ranking.set_default();
        settings.level = 3;
        settings.loop = 2;
        play_scene_t scene(&settings, nullptr, &ranking);
        ASSERT_TRUE(scene.startup());
        score_reset(r.score);
        g_stage_position = 5u << 16 | 77;
        for (int key : {plat::vk_escape, plat::vk_down, plat::vk_return}) {
            scene.on_key(key);
        }
        EXPECT_EQ(queued(), std::vector<int32_t>{scene_gameover});
        const ranking_record_t* entry = ranking.new_entry_record();
        ASSERT_EQ(entry != nullptr, r.enters) << r.score;
        if (entry != nullptr) {
            EXPECT_EQ(entry, &ranking.records[0]);
            EXPECT_STREQ(entry->name, "");
            EXPECT_EQ(entry->reserved, 1);
            EXPECT_EQ(entry->score, r.score);
            EXPECT_EQ(entry->level, 3);
            EXPECT_EQ(entry->loop, 2);
            EXPECT_EQ(entry->stage, settings.stage);
            EXPECT_EQ(entry->section, 5);
        }
    }
}

TEST_F(play_commands, the_last_stage_queues_the_ending_then_play_and_the_first_request_stands) {
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    scene.next_stage = 0xFFFF; // stage -1
    scene.run_frame(false);
    EXPECT_EQ(queued(), (std::vector<int32_t>{scene_ending, scene_play}));
    scene.game_over();
    EXPECT_EQ(queued(), (std::vector<int32_t>{scene_ending, scene_play}));
}
