#include "objects/enemy.h"
#include "objects/enemy_fire.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "player/ship.h"
#include "tests/enemies/enemy_kit.h"
#include "tests/play/event_log_scene.h"

using enemy_kit = enemy_kit_t;

TEST_F(enemy_kit, frames_scroll_the_world_collide_with_the_ship_and_record_the_sounds) {
    load({placed(200, 200, 64), placed(200, 120, 160), placed(200, 90, 100, 0, -1, 0x20000)});
    const std::vector<enemy_t*> enemies = all<enemy_t>();
    ASSERT_EQ(enemies.size(), 3u);
    ship_at(120, 160, false);
    run(100);
    EXPECT_EQ(enemies[0]->x, 150); // one pixel every second frame
    EXPECT_FALSE(enemies[1]->alive);
    EXPECT_EQ(sounds_of(14), 1);  // the ship's hit
    EXPECT_EQ(enemies[2]->x, 90); // two sections ahead: out of its window, not scrolled
    EXPECT_EQ(g_frame_counter, 100u);
}

TEST_F(enemy_kit, an_aimed_pool_shot_flies_to_the_ship_and_starts_its_dying) {
    load({});
    ship_t& ship = ship_at(40, 100, false);
    const float from[2] = {100, 100};
    fire_aimed_bullet(from);
    missile_t* shot = scene->stage.shot_pool[0];
    ASSERT_TRUE(shot->alive);
    uint32_t frames = 0;
    while (ship.dying_timer == 0 && frames < 100) {
        run(1);
        ++frames;
    }
    EXPECT_EQ(ship.dying_timer, 128u);
    EXPECT_FALSE(shot->alive);
    // 1.5 pixels a frame of its own, half a pixel more from the scroll.
    EXPECT_NEAR(frames, (100 - 40 - 8 - 2) / 2.0, 2);
}

TEST(post_event, reaches_the_play_scene_that_exists_and_nothing_else) {
    EXPECT_EQ(post_event(371, 2), 0);
    {
        event_log_scene_t scene;
        EXPECT_EQ(g_play_scene, &scene);
        post_event(386, 24);
        EXPECT_EQ(scene.events, (std::vector<std::pair<int32_t, int32_t>>{{386, 24}}));
    }
    EXPECT_EQ(g_play_scene, nullptr);
    EXPECT_EQ(post_event(371, 2), 0);
}
