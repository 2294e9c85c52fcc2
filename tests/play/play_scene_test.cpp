#include "base/strformat.h"
#include "enemies/turrets/battery003.h"
#include "objects/object_count.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "platform/audio_device.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/ranking.h"
#include "play/stage_file.h"
#include "play/userinfo.h"
#include "player/ship.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample.h"
#include "tools/sample/stage_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

// A play scene over the sample data, without a window.
class play_scene_test : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(make_sample(".", error)) << error;
        plat::audio_set_manual(true);
        ASSERT_TRUE(g_soundctr.create(nullptr, false));
        settings.ship_type = 0;
        settings.stage = 1;
        settings.level = 1;
        settings.random_seed = 77;
        objects_before = g_object_count;
    }
    void TearDown() override { g_soundctr.destroy(); }

    temp_folder_t folder;
    playinfo_t settings;
    userinfo_t user;
    ranking_t ranking;
    int32_t objects_before = 0;
};

} // namespace

TEST_F(play_scene_test, reaching_a_stage_unlocks_it_up_to_stage_six) {
    play_scene_t scene(&settings, &user, &ranking);
    ASSERT_TRUE(scene.startup());
    const int32_t rows[][2] = {{6, 6}, {7, 5}}; // stage reached, highest stage unlocked after
    for (const auto& [stage, unlocked] : rows) {
        ASSERT_TRUE(write_file_bytes(strformat("bin/st%03d.dat", stage), stage_file_bytes({}, {})));
        user.stage = 5;
        scene.change_stage(stage, 0, 1, 1, 0);
        EXPECT_EQ(user.stage, unlocked) << "stage " << stage;
    }
}

TEST_F(play_scene_test, starts_on_the_first_stage_changes_stage_and_leaves_nothing_behind) {
    user.stage = 1;
    {
        play_scene_t scene(&settings, &user, &ranking);
        EXPECT_EQ(g_play_scene, &scene);
        ASSERT_TRUE(scene.startup());
        EXPECT_EQ(g_player_ship, scene.player.ship);
        EXPECT_EQ(scene.stage_no, 1);
        EXPECT_GT(scene.stage.enemies[0].size(), 40u);
        EXPECT_GT(scene.stage.enemy_shots.size(), 64u); // the turrets' shots
        EXPECT_EQ(scene.stage.shot_pool.size(), 80u);
        EXPECT_EQ(scene.scroll_level, 3);
        EXPECT_EQ(g_frame_counter, 0u);
        EXPECT_EQ(g_stage_position, 0u);

        // The seed is drawn again before any spawn function: battery003's first phase shows it.
        rng::srand(77);
        const int32_t expected_phase = rng::rand() >> 12;
        battery003::body_t* turret = nullptr;
        for (enemy_t* e : scene.stage.enemies[0].items) {
            turret = turret != nullptr ? turret : dynamic_cast<battery003::body_t*>(e);
        }
        ASSERT_NE(turret, nullptr);
        EXPECT_EQ(turret->pattern - turret->pattern_base, expected_phase);

        g_frame_counter = 99;
        scene.change_stage(2, 3, 1, 1, 0);
        EXPECT_EQ(scene.stage_no, 2);
        EXPECT_EQ(user.stage, 2);
        EXPECT_EQ(g_frame_counter, 0u);
        EXPECT_EQ(g_stage_position, 3u << 16);
        EXPECT_EQ(g_screenctr.scroll_pos_x, -256); // odd section
        // Objects keyed before the start are passed by the windows and never appear.
        array_t<enemy_t*>& enemies = scene.stage.enemies[0];
        EXPECT_GT(enemies.first, 0u);
        EXPECT_EQ(enemies.first, enemies.end);
        EXPECT_GE(enemies[enemies.first]->key, 3u << 16);
        EXPECT_LT(enemies[enemies.first - 1]->key, 3u << 16);

        ASSERT_TRUE(write_file_bytes("bin/st099.dat", stage_file_bytes({}, {})));
        scene.change_stage(99, 0, 1, 1, 0); // empty, and without a music table: silence, no failure
        EXPECT_EQ(scene.stage_no, 99);
        EXPECT_EQ(scene.stage.enemies[0].size(), 0u);
        EXPECT_EQ(scene.stage.stars.size(), 64u);
        EXPECT_EQ(user.stage, 2);

        scene.change_stage(7, 0, 1, 1, 0); // no such stage: the application ends
        EXPECT_EQ(scene.stage.enemies[0].size(), 0u);
    }
    EXPECT_EQ(g_play_scene, nullptr);
    EXPECT_EQ(g_player_ship, nullptr);
    EXPECT_EQ(g_object_count, objects_before);
    const std::vector<std::string> log = file_lines("log/bootlog.txt");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "* Error: ステージ007の作成に失敗しました");
}

// The stage rows also leave the progress alone: a stage counts as reached only once it has loaded.
TEST_F(play_scene_test, a_failed_start_names_its_step_and_its_cause_in_the_boot_log) {
    struct row_t {
        const char* why;
        int32_t ship_type;
        int32_t option_type;
        int32_t stage;
        const char* line;
        const char* cause; // the line before it, or null
    };
    for (const char* taken : {"bin/st003.dat", "bin/st004.dat", "bin/st006.dat"}) {
        std::filesystem::remove(taken); // the sample's own
    }
    std::ofstream("bin/st005.dat") << "short";
    ASSERT_EQ(::mkfifo("bin/st004.dat", 0600), 0);
    std::filesystem::create_directory("bin/st003.dat");
    std::filesystem::create_symlink("/dev/zero", "bin/st006.dat");
    constexpr const char* stage_line = "* Error: ステージリソースの作成に失敗しました";
    const row_t rows[] = {
        {"ship type", 4, 1, 1, "* Error: equipper_tの初期化に失敗しました", nullptr},
        {"option type", 0, 0, 1, "* Error: ユーザーリソースの作成に失敗しました", nullptr},
        {"short stage file", 0, 1, 5, stage_line,
         "* Error: .\\bin\\st005.dat の形式が正しくありません (5 バイトしかありません。90112 "
         "バイト必要です)"},
        {"missing stage file", 0, 1, 9, stage_line, "* Error: .\\bin\\st009.dat が見つかりません"},
        {"pipe", 0, 1, 4, stage_line, "* Error: .\\bin\\st004.dat を読み込めません (not a regular file)"},
        {"folder", 0, 1, 3, stage_line,
         "* Error: .\\bin\\st003.dat を読み込めません (not a file but a folder)"},
        {"device", 0, 1, 6, stage_line, "* Error: .\\bin\\st006.dat を読み込めません (not a regular file)"},
    };
    user.stage = 1;
    for (const row_t& r : rows) {
        settings.ship_type = r.ship_type;
        settings.option_type = r.option_type;
        settings.stage = r.stage;
        {
            play_scene_t scene(&settings, &user, &ranking);
            EXPECT_FALSE(scene.startup()) << r.why;
        }
        const std::vector<std::string> log = file_lines("log/bootlog.txt");
        ASSERT_GE(log.size(), r.cause != nullptr ? 2u : 1u);
        EXPECT_EQ(log.back(), r.line) << r.why;
        if (r.cause != nullptr) {
            EXPECT_EQ(log[log.size() - 2], r.cause) << r.why;
        }
        EXPECT_EQ(user.stage, 1) << r.why;
        EXPECT_EQ(g_player_ship, nullptr);
        EXPECT_EQ(g_object_count, objects_before) << r.why;
    }
    std::filesystem::remove("bin/objectinfo.dat");
    play_scene_t scene(&settings, nullptr, &ranking);
    EXPECT_FALSE(scene.startup());
    EXPECT_EQ(file_lines("log/bootlog.txt").back(),
              "* Error: オブジェクト情報(objectinfo_t)テーブルのロードに失敗しました");
}

TEST(read_int_file, takes_the_first_number_behind_blanks_and_comments) {
    temp_folder_t folder;
    const std::pair<std::string, int32_t> rows[] = {
        {"", -1},           {"\n  \n# 5\n", -1},
        {"  3\n4\n", 3},    {"abc\n7\n", 7},
        {"#x\n\t-1\n", -1}, {std::string(254, ' ') + "12\n", 1}, // a line is read 255 characters at a time
    };
    EXPECT_EQ(read_int_file("missing.txt"), -1);
    for (const auto& [text, value] : rows) {
        std::ofstream("style.txt") << text;
        EXPECT_EQ(read_int_file("style.txt"), value) << text;
    }
    // Anything but a regular file is refused at once, and named in the log.
    ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.txt");
    std::filesystem::create_directory("folder.txt");
    for (const char* odd : {"pipe.txt", "zero.txt", "folder.txt"}) {
        EXPECT_EQ(read_int_file(odd), -1) << odd;
        EXPECT_EQ(file_lines("log/bootlog.txt")
                      .back()
                      .rfind(std::string("* Error: ") + odd + " を読み込めません", 0),
                  0u)
            << odd;
    }
}
