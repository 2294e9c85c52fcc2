#include "base/binio.h"
#include "base/bootlog.h"
#include "objects/score.h"
#include "platform/audio_device.h"
#include "platform/file_dialog.h"
#include "platform/shell_open.h"
#include "play/demo_scene.h"
#include "play/ending_scene.h"
#include "play/key_table.h"
#include "play/play_scene.h"
#include "play/recplay_scene.h"
#include "play/scenectr.h"
#include "scenes/config.h"
#include "scenes/title_scene.h"
#include "scenes/typesel_scene.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "shell/app_window.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_window.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

namespace {

class scenectr_test : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(make_sample(".", error)) << error;
        // The title scene starts its music and finds its pictures, so the sound manager and the screen
        // manager with the sample sprites must exist (sound rendered offline).
        plat::audio_set_manual(true);
        ASSERT_TRUE(g_soundctr.create(nullptr, false));
        screen_window = std::make_unique<test_window_t>(40, 30, 512, 512);
        ASSERT_TRUE(g_screenctr.create(screen_window->hwnd(), 0, 2));
        ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
        config_default(&config);
        plat::set_shell_open_hook_for_test([this](const std::string& path) {
            opened.push_back(path);
            return true;
        });
        plat::set_file_dialog_hook_for_test([this](const plat::file_dialog_request_t& request) {
            requests.push_back(request);
            return answer;
        });
        controller = std::make_unique<scenectr_t>(&config);
    }

    void TearDown() override {
        controller.reset();
        g_screenctr.destroy();
        screen_window.reset();
        g_soundctr.destroy();
        plat::audio_set_manual(false);
        plat::set_shell_open_hook_for_test(nullptr);
        plat::set_file_dialog_hook_for_test(nullptr);
    }

    // What a scene does to ask for the next one, then the tick that carries it out.
    void change_to(int32_t id) {
        controller->clear_queue();
        controller->push_scene(id);
        controller->request_change();
        controller->update();
    }

    template <class scene_type> bool current_is() const {
        return dynamic_cast<scene_type*>(controller->scene) != nullptr;
    }

    std::string bootlog() const {
        std::vector<uint8_t> bytes;
        read_file_bytes(".\\log\\bootlog.txt", bytes);
        return std::string(bytes.begin(), bytes.end());
    }

    temp_folder_t dir;
    std::unique_ptr<test_window_t> screen_window;
    config_t config{};
    std::vector<std::string> opened;
    std::vector<plat::file_dialog_request_t> requests;
    std::optional<std::string> answer;
    std::unique_ptr<scenectr_t> controller;
};

} // namespace

TEST_F(scenectr_test, the_first_request_decides_until_the_change_is_carried_out) {
    controller->clear_queue();
    controller->push_scene(scene_ending);
    controller->push_scene(scene_title);
    controller->request_change();
    // A second scene asking in the same frame is refused.
    controller->clear_queue();
    controller->push_scene(scene_demo);
    controller->request_change();
    EXPECT_EQ(controller->queue_count, 2);
    controller->update();
    EXPECT_EQ(controller->state, scenectr_t::state_running);
    EXPECT_EQ(controller->queue_count, 1); // the title still waits

    controller->request_change();
    controller->update();
    EXPECT_EQ(controller->queue_count, 0);
    EXPECT_TRUE(opened.empty());
}

TEST_F(scenectr_test, the_queue_holds_sixteen_ids_and_pops_in_order) {
    for (int32_t id = 1; id <= 17; ++id) {
        controller->push_scene(id);
    }
    EXPECT_EQ(controller->queue_count, 16);
    EXPECT_EQ(controller->pop_scene(), 1);
    EXPECT_EQ(controller->pop_scene(), 2);
    EXPECT_EQ(controller->queue[13], 16);
    controller->request_change();
    EXPECT_EQ(controller->pop_scene(), 0); // locked
}

TEST_F(scenectr_test, a_scene_that_cannot_be_made_or_started_ends_with_one_error_line_and_one_log_shown) {
    struct case_t {
        int32_t id;              // 0: an empty queue
        const char* title_music; // the title's music table: one slot naming no music file
        const char* line;
    };
    for (const case_t& c : {case_t{0, nullptr, "* Error: シーン0: シーンの作成に失敗しました\n"},
                            case_t{scene_title, "0 nothing.mid 0 0 0\n",
                                   "* Error: シーン1: startup() の呼び出しに失敗しました\n"}}) {
        SCOPED_TRACE(c.line);
        controller = std::make_unique<scenectr_t>(&config);
        opened.clear();
        bootlog_reset();
        if (c.title_music != nullptr) {
            const std::string table = c.title_music;
            ASSERT_TRUE(write_file_bytes("bin/bgmtbl_ttl.txt", {table.begin(), table.end()}));
        }
        change_to(c.id);
        EXPECT_EQ(controller->state, scenectr_t::state_quitting);
        const std::string log = bootlog();
        const size_t at = log.find(c.line);
        ASSERT_NE(at, std::string::npos) << log;
        EXPECT_EQ(log.find(c.line, at + 1), std::string::npos) << log;
        controller->quit(true);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], ".\\log\\bootlog.txt");
    }
}

TEST_F(scenectr_test, the_title_resets_the_run_from_the_settings) {
    config.life = 150;
    config.level = 4;
    config.loop = 3;
    config.equipment = 4;
    config.power_up = 1;
    config.multiple_key = 'M';
    config.powerup_key = 'P';
    g_score = 1234;
    controller->playinfo.random_seed = 7;
    change_to(scene_title);
    ASSERT_TRUE(current_is<title_scene_t>());
    EXPECT_EQ(g_score, 0);
    EXPECT_EQ(g_lives, 99);
    EXPECT_EQ(controller->playinfo.level, 4);
    EXPECT_EQ(controller->playinfo.loop, 3);
    EXPECT_EQ(controller->playinfo.ship_type, -1);
    EXPECT_EQ(controller->playinfo.equipment, 4);
    EXPECT_EQ(controller->playinfo.powerup_mode, 1);
    EXPECT_EQ(controller->playinfo.random_seed, 256);
    // Multiple comes before power-up in the key table.
    EXPECT_EQ(g_key_table[key_multiple].code, 'M');
    EXPECT_EQ(g_key_table[key_powerup].code, 'P');
    EXPECT_EQ(g_key_table[key_up].code, 38);
    EXPECT_EQ(g_key_table[key_left].code, 37);
}

TEST_F(scenectr_test, play_without_a_ship_type_runs_the_type_select_first) {
    change_to(scene_title);
    change_to(scene_play);
    ASSERT_TRUE(current_is<typesel_scene_t>());
    ASSERT_EQ(controller->queue_count, 1);
    EXPECT_EQ(controller->queue[0], scene_play);

    controller->playinfo.ship_type = 2; // the player's choice
    controller->request_change();
    controller->update();
    EXPECT_TRUE(current_is<play_scene_t>());
    EXPECT_EQ(controller->playinfo.stage, config.stage);
}

TEST_F(scenectr_test, keys_reach_only_a_running_scene) {
    controller->forward_key(13); // no scene yet
    EXPECT_EQ(controller->state, scenectr_t::state_new);
    change_to(scene_play); // ship type 0 from the controller's defaults
    ASSERT_TRUE(current_is<play_scene_t>());
    EXPECT_EQ(static_cast<play_scene_t*>(controller->scene)->stage_no, 1); // the first sample stage
    EXPECT_FALSE(static_cast<play_scene_t*>(controller->scene)->stage.enemies[0].items.empty());
    controller->forward_key(27);
    EXPECT_TRUE(static_cast<play_scene_t*>(controller->scene)->paused);
}

TEST_F(scenectr_test, recording_asks_for_a_file_once_and_names_later_loops) {
    app_window_t window(0, 1);
    ASSERT_TRUE(window.create(nullptr));
    controller->window = &window;
    answer = "/tmp/rec/run.ply";
    change_to(scene_title);
    change_to(scene_recplay);
    ASSERT_TRUE(current_is<typesel_scene_t>());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_STREQ(controller->replay_name, "/tmp/rec/run.ply");

    controller->playinfo.ship_type = 1;
    g_score = 5000;
    g_lives = 4;
    controller->request_change();
    controller->update();
    ASSERT_TRUE(current_is<recplay_scene_t>());
    EXPECT_EQ(window.text(), "MELVORIN ver1.85 - [run.ply]");
    EXPECT_EQ(controller->playinfo.start_score, 5000);
    EXPECT_EQ(controller->playinfo.start_lives, 4);
    EXPECT_GT(controller->playinfo.date, 0);

    change_to(scene_ending);
    EXPECT_EQ(window.text(), "MELVORIN ver1.85");
    change_to(scene_recplay);
    ASSERT_TRUE(current_is<recplay_scene_t>());
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(window.text(), "MELVORIN ver1.85 - [run_loop02.ply]");
    controller->window = nullptr;
}

TEST_F(scenectr_test, cancelled_dialogs_return_to_the_title) {
    change_to(scene_title);
    change_to(scene_replay_dialog);
    EXPECT_TRUE(current_is<title_scene_t>());
    change_to(scene_recplay);
    EXPECT_TRUE(current_is<title_scene_t>());
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_FALSE(requests[0].save);
    EXPECT_EQ(requests[0].pattern, "*.ply");
    // A path longer than the controller keeps is refused like a cancel, and the log says why.
    answer = "/" + std::string(size_t(scenectr_t::name_size), 'a') + ".ply";
    change_to(scene_recplay);
    EXPECT_TRUE(current_is<title_scene_t>());
    EXPECT_NE(bootlog().find("* Error: " + *answer + ": パスが長すぎます (255 文字まで)\n"),
              std::string::npos);
}

TEST_F(scenectr_test, a_replay_reads_its_settings_into_the_controller) {
    answer = std::filesystem::absolute("bin/demoplay3.ply").string();
    change_to(scene_title);
    change_to(scene_replay_dialog);
    ASSERT_TRUE(current_is<replay_scene_t>());
    EXPECT_EQ(controller->playinfo.ship_type, 3);
}

TEST_F(scenectr_test, demos_play_in_turn_and_the_fifth_is_the_first_again) {
    for (int32_t i = 0; i < 5; ++i) {
        change_to(scene_demo);
        ASSERT_TRUE(current_is<demo_scene_t>());
        EXPECT_EQ(controller->playinfo.ship_type, i % 4) << "demo " << i;
    }
    EXPECT_EQ(controller->demo_index, 1);
}

TEST_F(scenectr_test, a_broken_demo_ends_the_application_and_the_next_demo_is_still_due) {
    std::filesystem::remove("bin/demoplay0.ply");
    change_to(scene_demo);
    EXPECT_EQ(controller->state, scenectr_t::state_quitting);
    EXPECT_EQ(controller->scene, nullptr);
    EXPECT_EQ(controller->demo_index, 1);
    const std::string log = bootlog();
    const size_t load = log.find("* Error: プレイファイルのロードに失敗しました\n");
    ASSERT_NE(load, std::string::npos) << log;
    EXPECT_NE(log.find("* Error: シーン8: シーンの作成に失敗しました\n", load), std::string::npos) << log;
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(scenectr_test, the_ending_raises_level_and_loop_up_to_eight) {
    controller->playinfo.level = 8;
    controller->playinfo.loop = 7;
    controller->playinfo.ship_type = -1;
    change_to(scene_ending);
    ASSERT_TRUE(current_is<ending_scene_t>());
    EXPECT_EQ(controller->playinfo.stage, 100);
    EXPECT_EQ(controller->playinfo.ship_type, 0);
    EXPECT_EQ(controller->playinfo.level, 8);
    EXPECT_EQ(controller->playinfo.loop, 8);
    EXPECT_EQ(controller->userinfo.ending_reached, 1);
    EXPECT_EQ(controller->userinfo.level, 8);
    EXPECT_EQ(controller->userinfo.loop, 8);
    EXPECT_EQ(controller->record_loop, 1);
    change_to(scene_ending);
    EXPECT_EQ(controller->playinfo.loop, 8);
    EXPECT_EQ(controller->record_loop, 2);
}

TEST_F(scenectr_test, the_command_line_file_plays_only_with_a_ply_extension_in_any_case) {
    struct row_t {
        const char* name;
        bool plays;
    };
    for (const row_t& r : {row_t{".\\bin\\demoplay2.PLY", true}, row_t{".\\bin\\demoplay2.ply", true},
                           row_t{".\\bin\\demoplay2", false}, row_t{".\\bin\\demoplay2.plx", false}}) {
        std::strcpy(controller->replay_name, r.name);
        change_to(scene_named_replay);
        EXPECT_EQ(current_is<replay_scene_t>(), r.plays) << r.name;
        const std::string line =
            std::string("* Error: ") + r.name + ": 拡張子が .ply ではないため再生しません\n";
        EXPECT_EQ(bootlog().find(line) != std::string::npos, !r.plays) << r.name;
    }
}

TEST_F(scenectr_test, deleting_the_controller_writes_the_progress_and_the_ranking) {
    EXPECT_FALSE(std::filesystem::exists("bin/userinfo.dat"));
    EXPECT_EQ(controller->userinfo.level, 1);
    EXPECT_EQ(controller->ranking.records[0].score, 738950);
    change_to(scene_ending);
    ranking_record_t run;
    run.score = 900000;
    controller->ranking.insert(run);
    controller.reset();
    userinfo_t info;
    ASSERT_EQ(userinfo_load(&info), load_status_t::loaded);
    EXPECT_EQ(info.ending_reached, 1);
    EXPECT_EQ(info.level, 3);
    ranking_t table;
    ASSERT_EQ(table.load(), load_status_t::loaded);
    EXPECT_EQ(table.records[0].score, 900000);
    EXPECT_EQ(g_scenectr, nullptr);
}
