#include "objects/enemy.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

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
