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
    EXPECT_EQ(sound_frames(14), std::vector<uint32_t>{0}); // the ship's hit
    EXPECT_EQ(enemies[2]->x, 90); // two sections ahead: out of its window, not scrolled
    EXPECT_EQ(g_frame_counter, 100u);
    // The second enemy's explosion and the ship's own started on frame 0.
    ASSERT_FALSE(launches(list_explosions).empty());
    // Three hits of the ship's contact damage: it dies on frame 2, after one scroll step.
    EXPECT_EQ(launches(list_explosions)[0], (launch_t{2, list_explosions, 1, 119, 160, -1, 0}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[1],
              (part_t{"explosion_t", 50, 2, list_enemies0, 1}));
}

TEST_F(enemy_kit, events_run_by_key_and_advance_to_opens_later_sections) {
    placement_t hard = placed(200, 60, 60);
    hard.condition = 0x03040000; // levels 3 and up
    placement_t second_loop = placed(200, 60, 90);
    second_loop.condition = 0x0201; // loop 2 only
    const std::vector<placement_t> placements{placed(200, 200, 64, 0, -1, 0x20010), hard, second_loop};
    const std::vector<eventinfo_t> events{event_at(4, 389, 1), event_at(0x20010, 371, 2)};
    for (const auto& [level, loop_no, made] : {std::tuple{1, 1, 1u}, {3, 1, 2u}, {1, 2, 2u}}) {
        loop = loop_no;
        load(placements, events, level);
        EXPECT_EQ(all<enemy_t>().size(), made) << level << " " << loop_no;
    }
    run(9); // the stop's key comes with the scroll step at the end of frame 7
    EXPECT_EQ(scene->scroll_stop, 1);
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{8, 389, 1}}));
    advance_to(0x20010);
    EXPECT_EQ(g_screenctr.mg->scroll_y, 2);
    EXPECT_EQ(scene->stage.enemies[0].end, 2u); // the later one's window opened
    // The wrapped camera shift carries the enemy round the 512-pixel map.
    all<enemy_t>()[0]->y = 380;
    scene->shift_camera(10);
    EXPECT_EQ(all<enemy_t>()[0]->y, -122);
}

TEST_F(enemy_kit, the_level_toughens_records_shots_hit_only_list_0_and_list_1_becomes_terrain) {
    for (const auto& [level, hp] : {std::pair{1, 3000}, {2, 4000}}) {
        load({placed(201, 100, 100)}, level);
        EXPECT_EQ(all<enemy_t>()[0]->hp, hp) << level;
    }
    // Type 201 has no family of its own: here its record is scenery on list 1.
    const objectinfo_t* plain = objectinfo_find(200);
    records({{201, 16, 16, 5, 1, 200, plain->image_id, 1, 0}});
    load({placed(200, 100, 60), placed(201, 100, 160)});
    enemy_t* in_list0 = all<enemy_t>()[0];
    enemy_t* in_list1 = all<enemy_t>()[1];
    EXPECT_FALSE(shoot(100, 80, 1)); // beside the box
    EXPECT_TRUE(shoot(100, 66, 2));
    EXPECT_EQ(in_list0->hp, 1);
    EXPECT_FALSE(shoot(100, 160, 9)); // list 1 is scenery
    EXPECT_EQ(in_list1->hp, in_list1->max_hp());
    draw();
    EXPECT_TRUE(collision_solid(100, 160));
    EXPECT_FALSE(collision_solid(100, 60));
    EXPECT_EQ(look_of(*in_list0), (look_t{in_list0->info->image_id, 0, 0, 100, false}));
}

TEST_F(enemy_kit, the_input_script_steers_the_ship_frame_by_frame) {
    load({});
    scene->scroll_stop = 1;
    ship_t& ship = ship_at(100, 100);
    scene->inputs = {input_up, input_up, 0, input_down};
    std::vector<float> ys;
    for (int frame = 0; frame < 5; ++frame) {
        run(1);
        ys.push_back(ship.y);
    }
    EXPECT_LT(ys[0], 100);
    EXPECT_LT(ys[1], ys[0]);
    EXPECT_EQ(ys[2], ys[1]);
    EXPECT_GT(ys[3], ys[2]);
    EXPECT_EQ(ys[4], ys[3]);
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
