// The settings scene's key rules, its <OK> and ESC, and its restart note, against a recording sound
// manager.
#include "base/binio.h"
#include "platform/audio_device.h"
#include "platform/file.h"
#include "play/scenectr.h"
#include "scenes/config_scene.h"
#include "scenes/display_mode.h"
#include "screen/soundctr.h"
#include "tests/scenes/scene_keys.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sound_files.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace scene_keys;

// Each request, with what the live record and the ranking held when it came.
class recording_sound_t : public config_sound_t {
  public:
    void request_se(int32_t id) override { calls.push_back("se " + std::to_string(id)); }
    void play_requested_se() override {}
    void rebuild(bool reverb) override { calls.push_back("rebuild " + std::to_string(reverb) + state()); }
    void set_bgm_off(bool off) override { calls.push_back("bgm off " + std::to_string(off) + state()); }
    void set_master_volumes(int32_t bgm, int32_t se) override {
        calls.push_back("volumes " + std::to_string(bgm) + " " + std::to_string(se) + state());
    }
    std::string state() const {
        return std::string(std::strcmp(ranking->records[0].name, "---") == 0 ? " default" : " kept") +
               " live " + std::to_string(live->bgm_volume);
    }

    std::vector<std::string> calls;
    const config_t* live = nullptr;
    const ranking_t* ranking = nullptr;
};

class config_scene_test : public ::testing::Test {
  protected:
    void SetUp() override {
        plat::make_directory("bin");
        g_settings_in_effect = {}; // each test a fresh run, so that its first settings scene records them
        config_default(&config);
        controller = std::make_unique<scenectr_t>(&config);
        controller->state = scenectr_t::state_running;
        std::strcpy(controller->ranking.records[0].name, "ACE");
        sound.live = &config;
        sound.ranking = &controller->ranking;
    }

    std::unique_ptr<config_scene_t> make_scene() {
        return std::make_unique<config_scene_t>(&config, &controller->ranking, &controller->userinfo, &sound);
    }

    static void press(config_scene_t& scene, std::initializer_list<int32_t> keys) {
        for (const int32_t key : keys) {
            scene.on_key(key);
        }
    }

    bool went_to_title() const {
        return controller->state == scenectr_t::state_change && controller->queue_count == 1 &&
               controller->queue[0] == scene_title;
    }

    temp_folder_t dir;
    config_t config{};
    std::unique_ptr<scenectr_t> controller;
    recording_sound_t sound;
};

} // namespace

TEST_F(config_scene_test, the_cursor_skips_lines_the_progress_does_not_allow_and_never_wraps) {
    struct case_t {
        int32_t highest_stage;
        std::vector<int32_t> keys;
        int32_t line;
    };
    const case_t cases[] = {
        {1, {down, down, down, down}, 5},                             // SECTION is never chosen
        {1, {down, down, down, down, down, down, down}, 9},           // nor EQUIPMENT before stage 2
        {2, {down, down, down, down, down, down, down}, 8},           // from then on it is
        {1, {up}, 0},                                                 // no wrap at the top
        {1, std::vector<int32_t>(30, down), config_scene_t::line_ok}, // nor at the bottom
        {1, std::vector<int32_t>(16, down), config_scene_t::line_ok},
        {2, std::vector<int32_t>(16, down), config_scene_t::line_key_assign},
    };
    for (const case_t& c : cases) {
        controller->userinfo.stage = c.highest_stage;
        auto scene = make_scene();
        for (const int32_t key : c.keys) {
            scene->on_key(key);
        }
        EXPECT_EQ(scene->current_line, c.line) << c.keys.size() << " keys at stage " << c.highest_stage;
    }
}

TEST_F(config_scene_test, every_line_keeps_its_limits_and_sounds_only_on_a_change) {
    struct case_t {
        const char* what;
        int32_t line;
        int32_t value;
        int32_t key;
        int32_t expected;
    };
    constexpr int32_t mode_1280_32 = make_display_mode(32, 1280, 1024);
    const case_t cases[] = {
        {"blit scale in the window", 1, 2, right, 2},
        {"blit scale floor", 1, 1, left, 1},
        {"stage above the unlocked", 3, 5, right, 3},
        {"stage floor", 3, 1, left, 1},
        {"loop above the unlocked", 6, 4, right, 2},
        {"level ceiling", 5, 8, right, 8},
        {"lives ceiling", 7, 9, right, 9},
        {"volume floor", 12, -10000, left, -10000},
        {"volume ceiling", 13, 1000, right, 1000},
        {"volume step", 12, -1200, left, -1300},
        {"volume from the file, low", 12, INT_MIN, left, -10000},
        {"volume from the file, high", 13, INT_MAX, right, 1000},
        {"equipment steps over sets without one shot", 8, 1, right, 3},
        {"equipment outside 1..58 stays", 8, 59, right, 59},
        {"two-way line", 14, 1, left, 0},
        {"a key the line ignores", 3, 2, 'Q', 2},
        {"screen mode, and the scale follows it", 0, mode_1280_32, left, make_display_mode(16, 1280, 1024)},
    };
    controller->userinfo.stage = 3;
    controller->userinfo.loop = 2;
    for (const case_t& c : cases) {
        config.screen_mode = c.line == 0 ? c.value : window_mode;
        config.blt_scale = c.line == 0 ? 4 : config.blt_scale;
        auto scene = make_scene();
        scene->values[size_t(c.line)] = c.value;
        scene->current_line = c.line;
        sound.calls.clear();
        scene->on_key(c.key);
        EXPECT_EQ(scene->values[size_t(c.line)], c.expected) << c.what;
        EXPECT_EQ(sound.calls.size(), c.expected != c.value ? 1u : 0u) << c.what;
    }
}

TEST_F(config_scene_test, the_screen_mode_line_stores_its_table_entry_on_any_key_and_lowers_the_scale) {
    config.screen_mode = make_display_mode(32, 1280, 1024);
    config.blt_scale = 4;
    auto scene = make_scene();
    press(*scene, {down});
    press(*scene, {up}); // reaching the line changes nothing here: the mode is in the table
    EXPECT_EQ(scene->values[0], config.screen_mode);
    press(*scene, {left, left, left, left});
    EXPECT_EQ(scene->values[0], make_display_mode(32, 800, 600));
    EXPECT_EQ(scene->values[1], 2);

    config.screen_mode = 12345; // not a mode of the table: shown as stored until the cursor comes
    config.blt_scale = 3;
    scene = make_scene();
    scene->current_line = 1;
    EXPECT_EQ(scene->values[0], 12345);
    press(*scene, {up});
    EXPECT_EQ(scene->values[0], display_mode_table[0]);
    EXPECT_EQ(scene->values[1], 2);
    EXPECT_EQ(scene->line_text(0), "SCREEN MODE   : FULLSCREEN(640x480x16)");
}

TEST_F(config_scene_test, key_capture_refuses_the_fixed_keys_and_keeps_the_pause_key_apart) {
    struct case_t {
        int32_t line;
        int32_t key;
        bool stored;
    };
    const case_t cases[] = {
        {16, 'Q', true},
        {16, 'X', true},             // the action keys may share a key
        {16, plat::vk_space, false}, // the pause key's
        {20, 'Z', false},
        {20, plat::vk_shift, false},
        {20, 'P', true},
        {17, escape, false},
        {17, enter, false},
        {18, left, false},
        {18, right, false},
        {19, 0, false}, // a key without a virtual-key code
        {20, 300, false},
    };
    for (const case_t& c : cases) {
        auto scene = make_scene();
        scene->page = 1;
        scene->current_line = c.line;
        const int32_t before = scene->values[size_t(c.line)];
        sound.calls.clear();
        scene->on_key(c.key);
        EXPECT_EQ(scene->values[size_t(c.line)], c.stored ? c.key : before) << c.line << " " << c.key;
        EXPECT_EQ(sound.calls.empty(), !c.stored || c.key == before);
    }
    auto scene = make_scene();
    scene->values[16] = '1';
    EXPECT_EQ(scene->line_text(16), "SHOT KEY      : 49");
    EXPECT_EQ(scene->line_text(20), "PAUSE KEY     : SPACE or ESC");
}

TEST_F(config_scene_test, the_pages_switch_on_enter_and_put_the_cursor_on_their_first_line) {
    auto scene = make_scene();
    scene->current_line = config_scene_t::line_key_assign;
    press(*scene, {enter});
    EXPECT_EQ(scene->page, 1);
    EXPECT_EQ(scene->current_line, 16);
    press(*scene, {down, down, down, down, down});
    EXPECT_EQ(scene->current_line, config_scene_t::line_back);
    press(*scene, {enter});
    EXPECT_EQ(scene->page, 0);
    EXPECT_EQ(scene->current_line, 0);
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(config_scene_test, escape_drops_every_change_and_the_ranking_choice) {
    const config_t before = config;
    auto scene = make_scene();
    press(*scene, {down, down, down, left}); // STAGE stays 1, REFRESH unchanged
    scene->current_line = 12;
    press(*scene, {left});
    scene->current_line = config_scene_t::line_init_ranking;
    press(*scene, {right});
    scene->current_line = config_scene_t::line_default;
    press(*scene, {enter});
    press(*scene, {escape});
    EXPECT_TRUE(went_to_title());
    EXPECT_EQ(std::memcmp(&config, &before, sizeof config), 0);
    EXPECT_STREQ(controller->ranking.records[0].name, "ACE");
    EXPECT_EQ(sound.calls, std::vector<std::string>{"se 9"});
}

TEST_F(config_scene_test, ok_applies_in_order_and_rebuilds_the_sound_only_for_a_new_reverb) {
    for (const bool reverb_changed : {true, false}) {
        config_default(&config);
        std::strcpy(controller->ranking.records[0].name, "ACE");
        controller->state = scenectr_t::state_running;
        controller->queue_locked = false;
        controller->queue_count = 0;
        auto scene = make_scene();
        scene->current_line = config_scene_t::line_init_ranking;
        press(*scene, {right});
        scene->current_line = 12;
        press(*scene, {left});
        if (reverb_changed) {
            scene->current_line = 14;
            press(*scene, {left});
        }
        sound.calls.clear();
        scene->current_line = config_scene_t::line_ok;
        press(*scene, {enter});
        std::vector<std::string> expected;
        if (reverb_changed) {
            expected.push_back("rebuild 0 default live -1200");
        }
        expected.push_back("bgm off 0 default live -1200");
        expected.push_back("volumes -1300 -1600 default live -1200");
        EXPECT_EQ(sound.calls, expected);
        EXPECT_EQ(config.bgm_volume, -1300);
        EXPECT_EQ(config.reverb, reverb_changed ? 0 : 1);
        EXPECT_TRUE(went_to_title());
    }
}

TEST_F(config_scene_test, the_restart_note_follows_the_values_recorded_once_per_run) {
    config.screen_mode = window_mode;
    config.blt_scale = 2;
    config.refresh_mode = 0;
    auto scene = make_scene();
    EXPECT_FALSE(scene->needs_restart());
    scene->current_line = 2;
    press(*scene, {right});
    EXPECT_TRUE(scene->needs_restart());
    press(*scene, {left});
    EXPECT_FALSE(scene->needs_restart());
    scene->current_line = config_scene_t::line_default; // full screen 640 x 480, scale 2, TIMER
    press(*scene, {enter});
    EXPECT_TRUE(scene->needs_restart());
    press(*scene, {escape});

    config.refresh_mode = 1; // as if applied: the run still uses what it started with
    EXPECT_TRUE(make_scene()->needs_restart());
    EXPECT_EQ(g_settings_in_effect.refresh_mode, 0);
}

TEST_F(config_scene_test, lines_read_as_the_screen_shows_them) {
    auto scene = make_scene();
    scene->values[5] = 4;
    EXPECT_EQ(scene->line_text(5), "LEVEL         : 4[VERY HARD]");
    scene->values[5] = 5;
    EXPECT_EQ(scene->line_text(5), "LEVEL         : 5");
    scene->values[12] = -10000;
    EXPECT_EQ(scene->line_text(12), "BGM VOLUME    : -100dB");
    scene->values[13] = -150;
    EXPECT_EQ(scene->line_text(13), "SE VOLUME     : -1dB");
    scene->values[0] = window_mode;
    EXPECT_EQ(scene->line_text(0), "SCREEN MODE   : WINDOW");
    EXPECT_EQ(scene->line_text(config_scene_t::line_init_ranking), "INIT RANKING  : NO");
}

TEST_F(config_scene_test, a_sound_manager_that_cannot_be_rebuilt_leaves_the_game_silent_with_one_log_line) {
    plat::make_directory("log");
    plat::audio_set_manual(true);
    std::string error;
    ASSERT_TRUE(write_sound_files(".", error)) << error;
    ASSERT_TRUE(g_soundctr.create(nullptr, true));
    config_sound_t sound_manager;
    sound_manager.request_se(9);
    sound_manager.set_bgm_off(true);
    EXPECT_NE(g_soundctr.se_states[9], 0); // passed on while the manager lives
    EXPECT_TRUE(g_soundctr.bgm_off);
    plat::audio_set_device_failure(true);
    sound_manager.rebuild(false);
    plat::audio_set_device_failure(false);
    EXPECT_EQ(g_soundctr.music, nullptr);
    // What the scenes do next finds no manager and does nothing.
    sound_manager.set_bgm_off(false);
    sound_manager.set_master_volumes(-1200, -1600);
    sound_manager.request_se(9);
    sound_manager.play_requested_se();
    EXPECT_TRUE(g_soundctr.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
    g_soundctr.select_bgm(0);
    g_soundctr.start_bgm();
    EXPECT_FALSE(g_soundctr.playing);
    g_soundctr.clear_bgm_table();
    g_soundctr.destroy();
    plat::audio_set_manual(false);
    std::vector<uint8_t> log;
    ASSERT_TRUE(read_file_bytes(".\\log\\bootlog.txt", log));
    EXPECT_EQ(std::string(log.begin(), log.end()), "* Error: サウンド管理オブジェクトの作成に失敗しました\n");
}
