#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/star.h"
#include "play/play_scene.h"
#include "play/scroll.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/screenctr.h"
#include "tests/objects/records.h"
#include "tests/play/event_log_scene.h"
#include "tests/player/player_fixture.h"

#include <utility>

namespace {

const objectinfo_t enemy_info = test_record(200, 16, 16, 1);

class scroll_test : public player_test {
  protected:
    void SetUp() override {
        g_stage_position = 0;
        g_section_repeat = 0;
        g_repeat_count = 0;
        g_screenctr.reset_scroll();
        scene.scroll_level = 3;
    }
    void TearDown() override {
        g_stage_position = 0;
        g_section_repeat = 0;
        g_repeat_count = 0;
        g_screenctr.reset_scroll();
    }

    enemy_t* enemy_keyed(uint32_t key, float x = 100, float y = 100) {
        auto* enemy = new enemy_t(&enemy_info, x, y, key);
        scene.stage.enemies[0].push_back(enemy);
        return enemy;
    }
    // One frame's scroll, counted as the frame counts it.
    void frames(uint32_t n) {
        for (uint32_t i = 0; i < n; ++i) {
            ++g_frame_counter;
            scene.scroll_frame();
        }
    }

    event_log_scene_t scene;
};

} // namespace

TEST_F(scroll_test, the_speed_table_moves_the_position_in_its_frames) {
    struct row_t {
        int32_t level;
        uint32_t counter;
        uint32_t moved;
    };
    for (const row_t r :
         {row_t{3, 1, 0}, row_t{3, 2, 1}, row_t{3, 4, 1}, row_t{0, 4, 0}, row_t{0, 8, 1}, row_t{9, 1, 6},
          row_t{11, 1, 8}, row_t{11, 7, 8}, row_t{99, 3, 8}, row_t{-5, 8, 1}}) {
        g_stage_position = 0x30000;
        scene.scroll_level = r.level;
        g_frame_counter = r.counter;
        scene.scroll_frame();
        EXPECT_EQ(g_stage_position, 0x30000 + r.moved) << "level " << r.level << ", frame " << r.counter;
    }
    g_frame_counter = 0;
}

TEST_F(scroll_test, a_step_past_the_section_end_is_cut_and_moves_the_world_the_way_of_the_mode) {
    struct row_t {
        int32_t mode;
        float dx, dy;
    };
    for (const row_t r : {row_t{scroll_modes::scroll_right, -6, 0}, row_t{scroll_modes::scroll_left, 6, 0},
                          row_t{scroll_modes::scroll_up, 0, 6}, row_t{scroll_modes::scroll_down, 0, -6}}) {
        delete_all(scene.stage.enemies[0]);
        scene.stage.enemies[0].clear();
        enemy_t* enemy = enemy_keyed(0x20000);
        scene.stage.enemies[0].end = 1;
        g_stage_position = 0x200FA;
        scene.scroll_mode = r.mode;
        scene.scroll_level = 11;
        g_frame_counter = 0;
        frames(1);
        EXPECT_EQ(g_stage_position, 0x30000u);
        EXPECT_EQ(enemy->x, 100 + r.dx) << "mode " << r.mode;
        EXPECT_EQ(enemy->y, 100 + r.dy) << "mode " << r.mode;
    }
    delete_all(scene.stage.enemies[0]);
    g_frame_counter = 0;
}

TEST_F(scroll_test, a_repeating_section_returns_to_its_start_until_asked_to_end_at_an_even_count) {
    struct row_t {
        uint32_t bits, count;
        uint32_t position, bits_after, count_after;
    };
    for (const row_t r :
         {row_t{0, 0, 0x60000, 0, 0}, row_t{1, 0, 0x50000, 1, 1}, row_t{1, 7, 0x50000, 1, 8},
          row_t{3, 1, 0x50000, 3, 2}, row_t{3, 2, 0x60000, 0, 0}, row_t{2, 0, 0x60000, 2, 0}}) {
        g_stage_position = 0x500FC;
        g_section_repeat = r.bits;
        g_repeat_count = r.count;
        EXPECT_EQ(step_stage_position(8), 4);
        EXPECT_EQ(g_stage_position, r.position) << r.bits << "/" << r.count;
        EXPECT_EQ(g_section_repeat, r.bits_after) << r.bits << "/" << r.count;
        EXPECT_EQ(g_repeat_count, r.count_after) << r.bits << "/" << r.count;
    }
}

TEST_F(scroll_test, events_run_at_their_exact_position_and_a_stopped_scroll_runs_none) {
    scene.stage.events.push_back({400, 0, 3, 1});
    scene.stage.events.push_back({401, 0, 0x10000, 2});
    scene.stage.events.push_back({402, 0, 0x10002, 3});
    scene.scroll_level = 5; // 2 pixels every frame
    g_frame_counter = 0;
    frames(128);
    EXPECT_EQ(g_stage_position, 0x10000u);
    EXPECT_EQ(scene.events, (std::vector<std::pair<int32_t, int32_t>>{{401, 2}}));
    scene.scroll_stop = 1;
    frames(10);
    EXPECT_EQ(g_stage_position, 0x10000u);
    EXPECT_EQ(scene.events.size(), 1u);
    scene.scroll_stop = 0;
    frames(1);
    EXPECT_EQ(scene.events.back(), std::make_pair(402, 3));
    g_frame_counter = 0;
}

TEST_F(scroll_test, an_object_stays_from_its_key_until_the_start_of_the_third_section_after_its_own) {
    stage_t& stage = scene.stage;
    for (int list = 0; list < 3; ++list) {
        stage.enemies[list].push_back(new enemy_t(&enemy_info, 100, 100, 0x50000));
    }
    stage.enemy_shots.push_back(new missile_t(&enemy_info, 0x50000));
    stage.explosions.push_back(new explosion_t(&enemy_info, 0x50000));
    // How many of the five windowed lists hold their object.
    const auto in_window = [&] {
        const auto open = [](const auto& list) { return list.first == 0 && list.end == 1 ? 1 : 0; };
        return open(stage.enemies[0]) + open(stage.enemies[1]) + open(stage.enemies[2]) +
               open(stage.enemy_shots) + open(stage.explosions);
    };
    g_stage_position = 0x4FFF8;
    scene.scroll_level = 11;
    g_frame_counter = 0;
    frames(1);
    EXPECT_EQ(g_stage_position, 0x50000u);
    EXPECT_EQ(in_window(), 5);
    while (g_stage_position < 0x800F8) {
        frames(1);
        ASSERT_EQ(in_window(), g_stage_position < 0x80000 ? 5 : 0) << std::hex << g_stage_position;
    }
    g_frame_counter = 0;
}

TEST_F(scroll_test, the_camera_modes_move_the_view_every_frame_even_while_the_scroll_stops) {
    ASSERT_TRUE(load_table_without({}));
    ASSERT_TRUE(scene.player.create(1));
    ship_t& ship = *scene.player.ship;
    ship.speed = 2.0f;
    scene.scroll_stop = 1;
    struct row_t {
        int32_t mode;
        int32_t scroll_y;
        float ship_y;
        int32_t scroll_after;
        float ship_after;
    };
    const row_t rows[] = {
        {scroll_modes::camera_to_256, 0, 100, -1, 100}, // 0 is read as 512
        {scroll_modes::camera_to_256, 300, 100, 299, 100},
        {scroll_modes::camera_to_256, 200, 100, 201, 100},
        {scroll_modes::camera_to_0, 100, 100, 99, 100},
        {scroll_modes::camera_to_0, 300, 100, 301, 100},
        {scroll_modes::camera_to_0, 512, 100, 512, 100},
        {scroll_modes::camera_to_0, 256, 100, 257, 100},
        {scroll_modes::camera_follow, 0, 100, 1, 101}, // (112 - 100) >> 3
        {scroll_modes::camera_follow, 0, 20, 3, 23},   // at most the speed + 1
        {scroll_modes::camera_follow, 0, 200, -3, 197},
        {scroll_modes::camera_follow, 0, 130, 0, 130},
        {scroll_modes::camera_follow, 0, 112, 1, 113}, // the band's edges still move
        {scroll_modes::camera_follow, 0, 144, -1, 143},
        {scroll_modes::camera_follow_clamped, 100, 20, 99, 20}, // back toward 0 first
        {scroll_modes::camera_follow_clamped, 200, 20, 201, 20},
        {scroll_modes::camera_follow_clamped, 0, 20, 0, 20}, // held at 512, which is 0
        {scroll_modes::camera_follow_clamped, 256, 130, 256, 130},
        {scroll_modes::camera_follow_clamped, 257, 200, 256, 199},
    };
    for (const row_t& r : rows) {
        g_screenctr.reset_scroll();
        g_screenctr.scroll_y(r.scroll_y);
        ship.y = r.ship_y;
        scene.scroll_mode = r.mode;
        frames(1);
        EXPECT_EQ(g_screenctr.scroll_pos_y, r.scroll_after) << "mode " << r.mode << " from " << r.scroll_y;
        EXPECT_EQ(ship.y, r.ship_after) << "mode " << r.mode << " from " << r.scroll_y;
    }
    EXPECT_EQ(g_stage_position, 0u);
    g_frame_counter = 0;
}

// The three moves of the world, on an object of every list placed at (50, 370): the horizontal scroll by
// -6, then the vertical scroll by 10, then a camera shift by 10 past the foot of the 512-pixel map. The
// scrolls move the windows and the whole lists alike; the shift wraps the world's objects back to the
// map's top, moves the player's side plainly, and the enemies still ahead of their window too.
TEST_F(scroll_test, each_move_of_the_world_moves_its_lists_and_the_camera_shift_wraps_the_world_only) {
    const objectinfo_t info = test_record(90, 8, 8, 1);
    stage_t& stage = scene.stage;
    const auto placed = [](auto* object) {
        object->set_position(50, 370);
        object->alive = 1;
        return object;
    };
    for (int list = 0; list < 3; ++list) {
        for (int i = 0; i < 4; ++i) {
            stage.enemies[list].push_back(placed(new enemy_t(&info, 0, 0, 0)));
        }
        stage.enemies[list].first = 1;
        stage.enemies[list].end = 2;
        stage.enemies[list][3]->alive = 0;
    }
    stage.enemy_shots.push_back(placed(new missile_t(&info, 0)));
    stage.enemy_shots.end = 1;
    stage.shot_pool.push_back(placed(new missile_t(&info, 0)));
    stage.explosions.push_back(placed(new explosion_t(&info, 0)));
    stage.explosions.end = 1;
    stage.spark_pool.push_back(placed(new explosion_t(&info, 0)));
    stage.stars.push_back(placed(new star_t(&info, 0, 0)));
    stage.stars[0]->alive = 0; // stars move dead or alive, wrapping in their own 256-pixel square
    stage.stars[0]->v_factor = 1;
    stage.items.push_back(placed(new item_t(&info)));
    player_missile_t shot(&info);
    explosion_t debris(&info, 0);
    item_t dropped(&info);
    powergauge::active_weapons.push_back(placed(&shot));
    scene.player.explosions.push_back(placed(&debris));
    scene.player.items.push_back(placed(&dropped));
    scene.draw_stars = true;

    struct row_t {
        const char* what;
        object_t* object;
        float x, y, shifted; // after each move
    };
    constexpr float wrapped = 390 - 512;
    const row_t rows[] = {
        {"enemy 0 passed", stage.enemies[0][0], 50, 370, 370},
        {"enemy 0 in window", stage.enemies[0][1], 44, 380, wrapped},
        {"enemy 0 ahead", stage.enemies[0][2], 50, 370, 380},
        {"enemy 0 ahead, dead", stage.enemies[0][3], 50, 370, 370},
        {"enemy 1 in window", stage.enemies[1][1], 44, 380, wrapped},
        {"enemy 1 ahead", stage.enemies[1][2], 50, 370, 380},
        {"enemy 2 in window", stage.enemies[2][1], 44, 380, wrapped},
        {"enemy 2 ahead", stage.enemies[2][2], 50, 370, 380},
        {"enemy shot", stage.enemy_shots[0], 44, 380, wrapped},
        {"shot pool", stage.shot_pool[0], 44, 380, wrapped},
        {"explosion", stage.explosions[0], 44, 380, wrapped},
        {"spark", stage.spark_pool[0], 44, 380, wrapped},
        {"star", stage.stars[0], 50, 380 - 256, 390 - 256},
        {"item", stage.items[0], 44, 380, wrapped},
        {"player item", &dropped, 44, 380, wrapped},
        {"player shot", &shot, 44, 380, 390},
        {"player explosion", &debris, 44, 380, 390},
    };
    scene.scroll_horizontal(-6);
    scene.scroll_vertical(10);
    std::vector<float> after_scrolls;
    for (const row_t& r : rows) {
        after_scrolls.push_back(r.object->y);
    }
    scene.shift_camera(10);
    powergauge::active_weapons.items.pop_back();
    scene.player.explosions.items.pop_back();
    scene.player.items.pop_back();
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(rows[i].object->x, rows[i].x) << rows[i].what;
        EXPECT_EQ(after_scrolls[i], rows[i].y) << rows[i].what;
        EXPECT_EQ(rows[i].object->y, rows[i].shifted) << rows[i].what;
    }
    EXPECT_EQ(g_screenctr.scroll_pos_x, -6);
    EXPECT_EQ(g_screenctr.scroll_pos_y, 20);
}
