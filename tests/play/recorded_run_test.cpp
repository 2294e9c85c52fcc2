// Recording, replay and the demo: a recorded run with pauses and a stage change replays frame for frame,
// also after other runs, and in either screen depth; the replay's menu and take-over, the demo's ends,
// and saves that fail or have nothing to save.
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='recorded_run.*'
#include "base/binio.h"
#include "base/failure.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "platform/display.h"
#include "platform/file.h"
#include "platform/keyboard.h"
#include "play/demo_scene.h"
#include "play/key_table.h"
#include "play/recplay_scene.h"
#include "play/replay_file.h"
#include "play/scenectr.h"
#include "play/state_hash.h"
#include "player/ship.h"
#include "scenes/config.h"
#include "screen/soundctr.h"
#include "tests/play/play_run_fixture.h"
#include "tests/shell/support.h"
#include "tests/support/golden.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

constexpr int vk_f2 = 0x71;
constexpr int vk_f11 = 0x7A;
constexpr int32_t se_menu_cursor = 5;
constexpr const char* run_file = "bin/replay/run.ply";
constexpr int live_keys[] = {key_up, key_down, key_right, key_left, key_shot, key_missile, key_multiple};

class recorded_run : public play_run_fixture_t {
  protected:
    void SetUp() override {
        play_run_fixture_t::SetUp();
        config_default(&config);
        controller = std::make_unique<scenectr_t>(&config);
        controller->state = scenectr_t::state_running;
        plat::clear_key_states();
    }
    void TearDown() override {
        plat::clear_key_states();
        controller.reset();
        play_run_fixture_t::TearDown();
    }

    // The keys of a scripted input byte held down, as a player would.
    static void hold(uint8_t input) {
        // Shot and missile may share a key: held when either is.
        for (int key : live_keys) {
            plat::set_key_state(g_key_table[key].code, false);
        }
        for (int key : live_keys) {
            if ((input >> key & 1) != 0) {
                plat::set_key_state(g_key_table[key].code, true);
            }
        }
    }

    bool title_requested() const {
        return controller->state == scenectr_t::state_change && controller->queue_count == 1 &&
               controller->queue[0] == scene_title;
    }
    void run_running() {
        controller->state = scenectr_t::state_running;
        controller->queue_locked = false;
        controller->queue_count = 0;
    }

    // Records stage 1 from section 4 into its second stage, pausing now and then with keys down that are
    // never recorded; the hash after every update frame.
    std::vector<uint64_t> record() {
        settings.section = 4;
        g_score = 600000; // as if a loop had gone before: a bonus pending, the extend behind the score
        g_pending_bonus = 5000;
        g_next_extend = extend_step;
        g_lives = 5;
        settings.start_score = g_score;
        settings.start_lives = g_lives;
        std::vector<uint64_t> hashes;
        auto scene = std::make_unique<recplay_scene_t>(&settings, nullptr, &ranking, run_file);
        EXPECT_TRUE(scene->startup());
        uint32_t frame = 0;
        uint32_t in_stage_2 = 0;
        // On to the second stage and a while into it, unless the run ends first.
        while (in_stage_2 < 300 && controller->state == scenectr_t::state_running) {
            in_stage_2 += scene->stage_no == 2 ? 1 : 0;
            if (frame % 500 == 100) {
                scene->on_key(plat::vk_escape);
                for (int paused = 0; paused < 30; ++paused) {
                    hold(uint8_t(paused));
                    scene->on_key(vk_f2);
                    scene->on_key('I');
                    scene->frame();
                }
                scene->on_key(plat::vk_escape);
            }
            hold(weaving_script(frame++));
            scene->run_frame(false);
            hashes.push_back(play_state_hash(*scene));
            if (frame > 8000) {
                ADD_FAILURE() << "the recording never reached the second stage";
                break;
            }
        }
        EXPECT_EQ(scene->stage_no, 2);
        scene.reset(); // writes the file
        plat::clear_key_states();
        return hashes;
    }

    // Replays a file to its end; the hash after every update frame, and whether the frame after the last
    // one, given input 0, asked for the title.
    std::vector<uint64_t> replay(const char* path, bool& ended) {
        run_running();
        playinfo_t header;
        replay_scene_t scene(&header, &ranking, path);
        std::vector<uint64_t> hashes;
        EXPECT_TRUE(scene.startup());
        while (scene.read_pos < scene.input_stream.size() && !title_requested()) {
            scene.run_frame(false);
            hashes.push_back(play_state_hash(scene));
        }
        ended = title_requested();
        if (!ended) {
            scene.run_frame(false);
            ended = title_requested() && scene.player.ship->input == 0;
        }
        return hashes;
    }

    config_t config{};
    std::unique_ptr<scenectr_t> controller;
};

} // namespace

TEST_F(recorded_run, a_recording_replays_frame_for_frame_after_other_runs_and_ends_at_its_stream) {
    play_hashes(2, 200); // a run before leaves its globals behind
    const std::vector<uint64_t> recorded = record();
    const std::vector<uint8_t> file = file_bytes(run_file);
    ASSERT_EQ(file.size(), 60 + recorded.size());
    byte_reader_t r(file.data(), file.size());
    playinfo_t header;
    read_playinfo(r, header);
    EXPECT_EQ(header.input_length, int32_t(recorded.size()));
    EXPECT_EQ(header.start_score, 600000);

    for (int pass = 0; pass < 2; ++pass) {
        play_hashes(1, 300);
        g_pending_bonus = 700;
        bool ended = false;
        const std::vector<uint64_t> replayed = replay(run_file, ended);
        for (size_t i = 0; i < std::min(recorded.size(), replayed.size()); ++i) {
            ASSERT_EQ(replayed[i], recorded[i]) << "pass " << pass << ", first difference at frame " << i;
        }
        ASSERT_EQ(replayed.size(), recorded.size()) << "pass " << pass;
        EXPECT_TRUE(ended) << "an exhausted stream gives input 0 and asks for the title";
    }
}

TEST_F(recorded_run, the_replay_menu_wraps_with_a_sound_and_take_over_hands_the_ship_to_the_live_keys) {
    record();
    run_running();
    playinfo_t header;
    replay_scene_t scene(&header, &ranking, run_file);
    ASSERT_TRUE(scene.startup());
    for (int i = 0; i < 50; ++i) {
        scene.run_frame(false);
    }
    scene.on_key(plat::vk_up); // not paused: nothing
    EXPECT_EQ(scene.pause_cursor, 0);
    scene.on_key(plat::vk_escape);
    ASSERT_TRUE(scene.is_paused());
    const struct {
        int key;
        int32_t cursor;
    } moves[] = {{plat::vk_up, 2}, {plat::vk_down, 0}, {plat::vk_down, 1}, {plat::vk_down, 2}};
    for (const auto& move : moves) {
        g_soundctr.se_states.fill(0);
        scene.on_key(move.key);
        EXPECT_EQ(scene.pause_cursor, move.cursor);
        EXPECT_NE(g_soundctr.se_states[se_menu_cursor], 0);
    }
    scene.frame(); // the paused picture with the three entries
    scene.on_key(plat::vk_return);
    ASSERT_TRUE(scene.taken_over);
    ASSERT_FALSE(scene.is_paused());

    const uint32_t taken_at = scene.read_pos;
    hold(input_up | input_right);
    for (size_t i = 0; i < scene.input_stream.size(); ++i) {
        scene.run_frame(false);
        ASSERT_EQ(scene.player.ship->input, input_up | input_right);
    }
    EXPECT_EQ(scene.read_pos, taken_at);
    EXPECT_FALSE(title_requested()) << "a taken-over game outlives the stream";
    scene.on_key(plat::vk_escape); // now the play scene's own menu: its second entry quits to the title
    scene.on_key(plat::vk_down);
    EXPECT_EQ(scene.pause_cursor, 1);
    scene.on_key(plat::vk_return);
    EXPECT_TRUE(title_requested());
}

TEST_F(recorded_run, the_demo_ends_at_frame_4608_and_on_any_key_but_f2_and_f11) {
    g_show_frame_rate = 0;
    for (const int key : {vk_f2, vk_f11, plat::vk_escape, plat::vk_return, plat::vk_up, int('A')}) {
        run_running();
        demo_scene_t demo(&settings, &ranking, "bin/demoplay0.ply");
        ASSERT_TRUE(demo.startup());
        demo.frame();
        demo.on_key(key);
        EXPECT_EQ(title_requested(), key != vk_f2 && key != vk_f11) << key;
    }
    EXPECT_EQ(g_show_frame_rate, 1); // F2 reached the play scene
    g_show_frame_rate = 0;
    run_running();
    demo_scene_t demo(&settings, &ranking, "bin/demoplay1.ply");
    ASSERT_TRUE(demo.startup());
    g_screenctr.sprites[0].cell_width = 0; // no place to centre the caption on: the page is skipped
    demo.frame();
    g_frame_counter = demo_scene_t::last_frame - 2;
    demo.frame();
    EXPECT_FALSE(title_requested());
    demo.frame();
    EXPECT_TRUE(title_requested());
}

TEST_F(recorded_run, a_replay_that_cannot_start_a_run_fails_its_scene_and_leaves_the_settings_alone) {
    playinfo_t bad;
    bad.level = 9;
    ASSERT_TRUE(write_file_bytes(run_file, replay_file_bytes(bad, {1, 2, 3})));
    settings.level = 4;
    const playinfo_t before = settings;
    EXPECT_THROW(replay_scene_t(&settings, &ranking, run_file), construction_error_t);
    EXPECT_EQ(std::memcmp(&settings, &before, sizeof settings), 0);
    EXPECT_EQ(log().back(), "* Error: プレイファイルのロードに失敗しました");
}

TEST_F(recorded_run, a_failed_save_keeps_the_old_file_and_an_empty_recording_writes_nothing) {
    ASSERT_TRUE(write_file_bytes(run_file, {1, 2, 3}));
    std::filesystem::create_directory(std::string(run_file) + ".tmp"); // the temporary cannot be made
    {
        recplay_scene_t scene(&settings, nullptr, &ranking, run_file);
        ASSERT_TRUE(scene.startup());
        scene.run_frame(false);
    }
    EXPECT_EQ(file_bytes(run_file), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(controller->state, scenectr_t::state_quitting);
    EXPECT_EQ(log().back(), "* Error: プレイ情報(playinfo_t)の保存に失敗しました");

    controller->state = scenectr_t::state_running;
    const char* empty_file = "bin/replay/empty.ply";
    {
        recplay_scene_t scene(&settings, nullptr, &ranking, empty_file);
        ASSERT_TRUE(scene.startup());
    }
    EXPECT_FALSE(std::filesystem::exists(empty_file));
    EXPECT_EQ(controller->state, scenectr_t::state_running);
    EXPECT_EQ(log().back().rfind("- ", 0), 0u);
}

TEST_F(recorded_run, the_demos_replay_alike_in_16_and_32_bits_and_as_stored) {
    std::string text;
    std::vector<std::vector<uint64_t>> depth16;
    for (const int bits : {16, 32}) {
        if (bits == 32) {
            g_screenctr.destroy();
            window.reset();
            plat::reset_display_for_test();
            ASSERT_TRUE(start(32));
        }
        for (int demo = 0; demo < scenectr_t::demo_count; ++demo) {
            const std::string path = "bin/demoplay" + std::to_string(demo) + ".ply";
            bool ended = false;
            const std::vector<uint64_t> hashes = replay(path.c_str(), ended);
            ASSERT_FALSE(hashes.empty());
            if (bits == 16) {
                depth16.push_back(hashes);
                char line[64];
                std::snprintf(line, sizeof line, "demo %d: %zu frames, last %016llx\n", demo, hashes.size(),
                              static_cast<unsigned long long>(hashes.back()));
                text += line;
            } else {
                EXPECT_EQ(hashes, depth16[size_t(demo)])
                    << "demo " << demo << " differs between 16 and 32 bits";
            }
        }
    }
    SCOPED_TRACE("the game plays the demos differently: when meant, regenerate them (mksample records them "
                 "anew) and store these hashes with MELVORIN_WRITE_GOLDEN=1");
    expect_golden_picture(golden_path(__FILE__, "demo_replay_hashes.txt"), {text.begin(), text.end()});
}
