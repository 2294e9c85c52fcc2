// Recording, replay and the demo: a recorded run with pauses and a stage change replays frame for frame,
// also after other runs, and in either screen depth; the replay's menu and take-over, the demo's ends and
// its scenery, and saves that fail or have nothing to save.
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
#include "play/stage_events.h"
#include "play/state_hash.h"
#include "player/ship.h"
#include "render/map_geometry.h"
#include "scenes/config.h"
#include "screen/bg.h"
#include "screen/soundctr.h"
#include "tests/play/play_run_fixture.h"
#include "tests/render/blend_surfaces.h"
#include "tests/shell/support.h"
#include "tests/support/golden.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

namespace {

constexpr int vk_f2 = 0x71;
constexpr int vk_f11 = 0x7A;
constexpr int32_t se_menu_cursor = 5;
constexpr const char* run_file = "bin/replay/run.ply";
constexpr int live_keys[] = {key_up, key_down, key_right, key_left, key_shot, key_missile, key_multiple};

// A play that nothing hurts and no boss holds, so that it passes every section in time.
class passing_play_t : public unhurt_play_t {
  public:
    passing_play_t(playinfo_t* settings, ranking_t* ranking)
        : unhurt_play_t(settings, ranking, weaving_script) {}
    int32_t run_event(int32_t code, int32_t parameter) override {
        return unhurt_play_t::run_event(code, code == stage_event::scroll_stop ? 0 : parameter);
    }
};

// What the stage's scenery shows: the pixels of the four background layers in the rows the view shows, and
// the star field's switch. (The rows below hold, in play, the bits of craters that the wipe of the stage's
// start wrapped there.)
struct scenery_t {
    std::array<std::vector<uint32_t>, background_layer_count> layers;
    bool stars = false;
};

scenery_t scenery_of(const play_scene_t& scene) {
    scenery_t s;
    for (int slot = 0; slot < background_layer_count; ++slot) {
        umlib::surface_t& surface = *g_screenctr.layers[slot]->surface;
        s.layers[slot] = blend_test::pixels(surface);
        s.layers[slot].resize(size_t(surface.rect.right) * quadrant_size);
    }
    s.stars = scene.draw_stars;
    return s;
}

// The layers that differ, with how many pixels, and the stars if they do.
std::string scenery_difference(const scenery_t& a, const scenery_t& b) {
    std::string text;
    for (int slot = 0; slot < background_layer_count; ++slot) {
        size_t n = 0;
        for (size_t i = 0; i < std::min(a.layers[slot].size(), b.layers[slot].size()); ++i) {
            n += a.layers[slot][i] != b.layers[slot][i] ? 1 : 0;
        }
        text += n == 0 ? "" : "layer " + std::to_string(slot) + ": " + std::to_string(n) + " pixels; ";
    }
    return text + (a.stars == b.stars ? "" : "stars differ");
}

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

    // Replays a file to its end; the hash after every update frame, whether the frame after the last one,
    // given input 0, asked for the title, and whether the run was over by then.
    std::vector<uint64_t> replay(const char* path, bool& ended, bool* run_over = nullptr) {
        run_running();
        playinfo_t header;
        replay_scene_t scene(&header, &ranking, path);
        std::vector<uint64_t> hashes;
        EXPECT_TRUE(scene.startup());
        while (scene.read_pos < scene.input_stream.size() && !title_requested()) {
            scene.run_frame(false);
            hashes.push_back(play_state_hash(scene));
        }
        if (run_over != nullptr) {
            *run_over = scene.player.ship->state == ship_t::ended;
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

TEST_F(recorded_run, the_demos_replay_as_stored_and_alike_in_16_and_32_bits) {
    std::string text;
    std::vector<uint64_t> first_demo;
    std::vector<std::pair<size_t, bool>> lengths; // frames, and whether the run was over at the last
    for (int demo = 0; demo < scenectr_t::demo_count; ++demo) {
        const std::string path = "bin/demoplay" + std::to_string(demo) + ".ply";
        bool ended = false;
        bool run_over = false;
        const std::vector<uint64_t> hashes = replay(path.c_str(), ended, &run_over);
        ASSERT_FALSE(hashes.empty());
        lengths.emplace_back(hashes.size(), run_over);
        char line[64];
        std::snprintf(line, sizeof line, "demo %d: %zu frames, last %016llx\n", demo, hashes.size(),
                      static_cast<unsigned long long>(hashes.back()));
        text += line;
        if (demo == 0) {
            first_demo = hashes;
        }
    }
    {
        SCOPED_TRACE("the game plays the demos differently: when meant, regenerate them (mksample records "
                     "them anew) and store these hashes with MELVORIN_WRITE_GOLDEN=1");
        expect_golden_picture(golden_path(__FILE__, "demo_replay_hashes.txt"), {text.begin(), text.end()});
    }
    // A recording stops at its game over or at one length for all: a shorter demo, replayed, comes to the
    // game over at its last frame too, as long as the recording played the world the game plays.
    const size_t longest = std::max_element(lengths.begin(), lengths.end())->first;
    for (const auto& [frames, run_over] : lengths) {
        EXPECT_EQ(run_over, frames < longest) << frames << " frames";
    }
    // The terrain hit test asks for pixels that are not 0 in the screen's own format.
    g_screenctr.destroy();
    window.reset();
    plat::reset_display_for_test();
    ASSERT_TRUE(start(32));
    bool ended = false;
    EXPECT_EQ(replay("bin/demoplay0.ply", ended), first_demo) << "the demo differs between 16 and 32 bits";
}

TEST_F(recorded_run, each_demo_shows_the_scenery_that_play_shows_where_it_starts) {
    struct row_t {
        int demo;
        int32_t stage;
        uint32_t section;
    };
    constexpr uint32_t a_second = 60;
    for (const row_t& row : {row_t{0, 1, 0}, row_t{1, 3, 2}, row_t{2, 5, 5}, row_t{3, 6, 5}}) {
        SCOPED_TRACE("demo " + std::to_string(row.demo));
        reset_run_globals();
        settings.stage = row.stage;
        settings.section = 0;
        auto play = std::make_unique<passing_play_t>(&settings, &ranking);
        ASSERT_TRUE(play->startup());
        const auto run_to = [&play](uint32_t position) {
            while (g_stage_position < position && play->frame_number < 20000) {
                play->run_frame(false);
                ++play->frame_number;
            }
            return g_stage_position == position;
        };
        // From the stage's start to the demo's section: passing each section's start changes no pixel, not
        // even a second later.
        scenery_t played = scenery_of(*play);
        for (uint32_t section = 1; section <= row.section; ++section) {
            SCOPED_TRACE("section " + std::to_string(section));
            ASSERT_TRUE(run_to((section - 1) << 16 | 0xFF));
            const scenery_t before = scenery_of(*play);
            ASSERT_TRUE(run_to(section << 16));
            played = scenery_of(*play);
            for (uint32_t frame = 0; frame < a_second; ++frame) {
                play->run_frame(false);
                ++play->frame_number;
            }
            EXPECT_EQ(scenery_difference(before, scenery_of(*play)), "") << "passing the section's start";
        }
        play.reset();
        EXPECT_TRUE(played.stars);
        for (int slot : {0, 3}) { // the terrain band and the backdrop
            EXPECT_TRUE(std::any_of(played.layers[slot].begin(), played.layers[slot].end(),
                                    [](uint32_t p) { return p != 0; }))
                << "layer " << slot << " is blank";
        }

        // The demo as it starts, before its first frame.
        run_running();
        playinfo_t header;
        demo_scene_t demo(&header, &ranking, ("bin/demoplay" + std::to_string(row.demo) + ".ply").c_str());
        ASSERT_TRUE(demo.startup());
        ASSERT_EQ(header.stage, row.stage);
        ASSERT_EQ(header.section, int32_t(row.section));
        EXPECT_EQ(scenery_difference(scenery_of(demo), played), "");
    }
}
