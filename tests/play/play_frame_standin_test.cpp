#include "base/binio.h"
#include "objects/enemy.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/object_count.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "objects/stage_pointers.h"
#include "play/play_frame_standin.h"
#include "play/play_state.h"
#include "player/player.h"
#include "player/ship.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class play_standin : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory("bin");
        std::filesystem::create_directory("log");
        ASSERT_TRUE(
            write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(sample_objectinfo_records())));
        reset_play_state();
        g_terrain_mode = 0;
    }

    std::string boot_log() {
        std::vector<uint8_t> bytes;
        read_file_bytes(".\\log\\bootlog.txt", bytes);
        return {bytes.begin(), bytes.end()};
    }

    temp_folder_t folder;
};

} // namespace

TEST_F(play_standin, a_table_of_the_wrong_size_fails_the_start_with_its_boot_log_line) {
    auto bytes = encode_objectinfo(sample_objectinfo_records());
    bytes.resize(bytes.size() - 36);
    ASSERT_TRUE(write_file_bytes(".\\bin\\objectinfo.dat", bytes));
    play_frame_standin_t scene;
    EXPECT_FALSE(scene.startup(".\\bin\\objectinfo.dat", 3, 256));
    EXPECT_EQ(boot_log(),
              "* Error: .\\bin\\objectinfo.dat の形式が正しくありません (36828 バイトしかありません。"
              "36864 バイト必要です)\n"
              "* Error: オブジェクト情報(objectinfo_t)テーブルのロードに失敗しました\n");
}

TEST_F(play_standin, events_reach_the_scene_that_exists_and_nothing_else) {
    EXPECT_EQ(post_event(371, 2), 0);
    {
        play_frame_standin_t scene;
        EXPECT_EQ(g_play_scene, &scene);
        post_event(386, 24);
        EXPECT_EQ(scene.events, (std::vector<std::pair<int32_t, int32_t>>{{386, 24}}));
    }
    EXPECT_EQ(g_play_scene, nullptr);
    EXPECT_EQ(post_event(371, 2), 0);
}

// One enemy with its explosion and item, shot down by a player shot through the frame's steps.
TEST_F(play_standin, objects_live_move_collide_die_explode_drop_items_and_score) {
    const int32_t objects_before = g_object_count;
    {
        play_frame_standin_t scene;
        ASSERT_TRUE(scene.startup(".\\bin\\objectinfo.dat", 1, 256));
        stage_t& stage = scene.stage;
        auto* enemy = new enemy_t(objectinfo_find(200), 150, 100, 0x10000);
        stage.enemy_list(enemy->list_index()).push_back(enemy);
        auto* boom = new explosion_t(objectinfo_find(50), 0x10000);
        stage.explosions.push_back(boom);
        enemy->attach_explosion(boom);
        auto* item = new item_t(objectinfo_find(37));
        stage.items.push_back(item);
        enemy->set_carried(item);
        stage.create_missile_pool(80, 1);
        stage.create_spark_pool(128);
        stage.create_star_field();
        stage.share_lists();

        auto shot = std::make_unique<missile_t>(objectinfo_find(1), 0);
        shot->set_position(100, 100);
        shot->vx = 10;
        shot->start();
        scene.player_shots.push_back(shot.get());

        // Before its key the enemy takes no part: the shot passes through.
        for (int frame = 0; frame < 6; ++frame) {
            scene.update();
            scene.collide();
            scene.scroll_x(-1);
            scene.end_frame();
        }
        EXPECT_TRUE(enemy->alive);
        EXPECT_EQ(enemy->x, 150.0f);
        EXPECT_EQ(enemy->hp, 3);

        scene.advance_windows(0x10000, 0x10001);
        for (int hit = 0; hit < 3; ++hit) {
            shot->set_position(enemy->x, enemy->y);
            shot->start();
            scene.collide();
            scene.end_frame();
        }
        EXPECT_FALSE(enemy->alive);
        EXPECT_TRUE(boom->alive);
        EXPECT_TRUE(item->alive);
        EXPECT_EQ(item->x, enemy->x);
        EXPECT_EQ(g_score, 100);

        // The dead enemy is skipped by the passes: nothing more scores.
        shot->set_position(enemy->x, enemy->y);
        shot->start();
        scene.collide();
        EXPECT_TRUE(shot->alive);
        EXPECT_EQ(g_score, 100);

        // The explosion plays out in the window; the item waits and scrolls.
        for (int frame = 0; frame < 20; ++frame) {
            scene.update();
            scene.scroll_x(-1);
            scene.end_frame();
        }
        EXPECT_FALSE(boom->alive);
        EXPECT_TRUE(item->alive);
        EXPECT_EQ(item->x, enemy->x - 20);
        scene.player_shots.clear();
    }
    EXPECT_EQ(g_object_count, objects_before);
}

TEST_F(play_standin, pool_shots_fly_and_hit_the_ship) {
    play_frame_standin_t scene;
    ASSERT_TRUE(scene.startup(".\\bin\\objectinfo.dat", 4, 256));
    scene.stage.create_missile_pool(80, 1);
    scene.stage.share_lists();
    player_t player;
    ASSERT_TRUE(player.create(1));
    ship_t& ship = *player.ship;
    ship.state = ship_t::play; // in play and not invulnerable: a hit starts its dying
    ship.place_with_attachments(40, 100);
    g_player_ship = &ship;
    scene.ship = &ship;
    const float from[2] = {100, 100};
    fire_aimed_bullet(from);
    missile_t* shot = scene.stage.shot_pool[0];
    ASSERT_TRUE(shot->alive);
    int frames = 0;
    while (ship.dying_timer == 0 && frames < 100) {
        scene.update();
        scene.collide();
        scene.end_frame();
        ++frames;
    }
    EXPECT_EQ(ship.dying_timer, 128u);
    EXPECT_FALSE(shot->alive);
    EXPECT_NEAR(frames, (100 - 40 - 8 - 2) / 1.5, 2);
    g_player_ship = nullptr;
}
