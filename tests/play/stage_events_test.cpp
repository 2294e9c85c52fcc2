#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/hitmark.h"
#include "objects/missile.h"
#include "objects/object_count.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/stage_events.h"
#include "player/player.h"
#include "player/shield.h"
#include "player/ship.h"
#include "render/map_table.h"
#include "screen/bg.h"
#include "screen/soundctr.h"
#include "tests/objects/records.h"
#include "tests/play/play_run_fixture.h"
#include "tools/sample/sample_maps.h"

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace ev = stage_event;

// A play scene that runs every command and keeps a list of them, with the endings counted instead of
// changing scenes.
class event_play_t : public scripted_play_t {
  public:
    event_play_t(playinfo_t* settings, ranking_t* ranking)
        : scripted_play_t(settings, ranking, [](uint32_t) { return uint8_t(0); }) {}
    int32_t run_event(int32_t code, int32_t parameter) override {
        ran.emplace_back(code, parameter);
        return play_scene_t::run_event(code, parameter);
    }
    void game_over() override { ++game_overs; }
    void all_cleared() override { ++all_cleareds; }

    std::vector<std::pair<int32_t, int32_t>> ran;
    int32_t game_overs = 0;
    int32_t all_cleareds = 0;
};

int32_t pair(int32_t low, int32_t high) {
    return int32_t((uint32_t(low) & 0xFFFF) | uint32_t(high) << 16);
}

class stage_events : public play_run_fixture_t {
  protected:
    void SetUp() override {
        play_run_fixture_t::SetUp();
        ASSERT_TRUE(load_map_table(".\\bin\\maptbl.dat"));
        reset_run_globals();
    }
    void TearDown() override {
        g_stage_position = 0;
        g_section_repeat = 0;
        g_repeat_count = 0;
        play_run_fixture_t::TearDown();
    }
};

// What the commands with an index may change: a command out of range must leave all of it alone.
std::vector<intptr_t> indexed_state(event_play_t& scene) {
    std::vector<intptr_t> s{scene.scroll_level, intptr_t(g_hitmarks.size()),
                            reinterpret_cast<intptr_t>(g_screenctr.hidden_layer), scene.navigation.length,
                            scene.navigation.saved_char};
    for (bg_t* layer : g_screenctr.layers) {
        s.insert(s.end(), {reinterpret_cast<intptr_t>(layer), layer->shift, layer->transparency,
                           intptr_t(layer->quadrant_mask)});
        for (const map_record_t* record : layer->map) {
            s.push_back(reinterpret_cast<intptr_t>(record));
        }
    }
    return s;
}

} // namespace

TEST_F(stage_events, each_command_sets_what_it_names) {
    event_play_t scene(&settings, &ranking);
    ASSERT_TRUE(scene.startup());
    ship_t& ship = *scene.player.ship;
    bg_t** layers = g_screenctr.layers;
    bg_t** saved = g_screenctr.saved_layers;
    const map_record_t* band = find_map(sample_band_map_id);
    ASSERT_NE(band, nullptr);
    const uint32_t white = 0xE8E8E8;
    const auto as_565 = [](uint32_t rgb) {
        return (rgb >> 19 & 0x1F) << 11 | (rgb >> 10 & 0x3F) << 5 | (rgb >> 3 & 0x1F);
    };
    size_t hitmarks_before = 0;

    struct row_t {
        int32_t code;
        int32_t parameter;
        std::function<bool(int32_t result)> holds;
        std::function<void()> before = [] {};
    };
    const row_t rows[] = {
        {ev::ship_game_over, 0, [&](int32_t) { return ship.state == ship_t::ended; }},
        {ev::ship_start_stage, 0, [&](int32_t) { return ship.state == ship_t::warp_in; }},
        {ev::weapons_enabled, 0, [&](int32_t) { return ship.fire_enabled == 0; }},
        {ev::weapons_enabled, 7, [&](int32_t) { return ship.fire_enabled == 1; }},
        {ev::full_power, 0, [&](int32_t) { return scene.player.shield->alive != 0; }},
        {ev::bgm_fade, 0, [&](int32_t) { return scene.bgm_fading; }},
        {ev::bgm_start, 0, [&](int32_t) { return g_soundctr.playing && !scene.bgm_fading; }},
        {ev::bgm_stop, 0, [&](int32_t) { return !g_soundctr.playing; }},
        {ev::craters, 0, [&](int32_t) { return !craters_enabled; }},
        {ev::craters, 1, [&](int32_t) { return craters_enabled; }},
        {ev::shake, pair(-3, 0x7FFF), [&](int32_t) { return g_screenctr.mg->scroll_y == -3; }},
        {ev::explosion_layer, 1, [&](int32_t) { return scene.explosion_layer == 1; }},
        {ev::stars, 1, [&](int32_t) { return scene.draw_stars; }},
        {ev::layer_shift, pair(1, 5), [&](int32_t) { return layers[1]->shift == 5; }},
        {ev::layer_shift, pair(2, 40), [&](int32_t) { return layers[2]->shift == 31; }},
        {ev::quadrant_draw, pair(12, sample_band_map_id),
         [&](int32_t) { return layers[1]->map[2] == band && (layers[1]->quadrant_mask & 4) != 0; }},
        {ev::quadrant_clear, 12,
         [&](int32_t) { return layers[1]->map[2] == nullptr && (layers[1]->quadrant_mask & 4) == 0; }},
        {ev::quadrant_set, pair(23, sample_band_map_id),
         [&](int32_t) { return layers[2]->map[3] == band && g_hitmarks.size() > hitmarks_before; },
         [&] { hitmarks_before = g_hitmarks.size(); }},
        // A map that does not exist leaves the record, but the craters still cover the quadrant.
        {ev::quadrant_set, pair(22, 9999),
         [&](int32_t) { return layers[2]->map[2] == nullptr && g_hitmarks.size() > hitmarks_before; },
         [&] { hitmarks_before = g_hitmarks.size(); }},
        {ev::quadrant_draw, pair(0, sample_band_map_id), [&](int32_t) { return layers[0]->map[0] == band; }},
        {ev::layer_clear, 0, [&](int32_t) { return layers[0]->quadrant_mask == 0; }},
        {ev::back_colour, 0x0C14, [&](int32_t) { return scene.back_colour == as_565(0x0C14); }},
        {ev::clear_first, 1, [&](int32_t) { return scene.clear_first; }},
        {ev::hide_layer, 2, [&](int32_t) { return g_screenctr.hidden_layer == layers[2]; }},
        {ev::hide_layer, 7, [&](int32_t) { return g_screenctr.hidden_layer == nullptr; }},
        {ev::layer_transparency, pair(3, 128), [&](int32_t) { return layers[3]->transparency == 128; }},
        {ev::swap_layers, pair(0, 3),
         [&](int32_t) { return layers[0] == saved[3] && layers[3] == saved[0]; }},
        {ev::restore_layers, 0, [&](int32_t) { return layers[0] == saved[0] && layers[3] == saved[3]; }},
        {ev::navigation, 3,
         [&](int32_t) {
             return scene.navigation.saved_char == 'D' &&
                    scene.navigation.length == int32_t(std::strlen(navigation_message(3)));
         }},
        {ev::scroll_level, 11, [&](int32_t) { return scene.scroll_level == 11; }},
        {ev::scroll_level_normal, 0, [&](int32_t) { return scene.scroll_level == 3; }},
        {ev::scroll_stop, 5, [&](int32_t) { return scene.scroll_stop == 1; }},
        {ev::scroll_stopped, 0, [&](int32_t result) { return result == 1; }},
        {ev::scroll_stop, 0, [&](int32_t) { return scene.scroll_stop == 0; }},
        {ev::scroll_stopped, 0, [&](int32_t result) { return result == 0; }},
        {ev::reset_scroll, 0, [&](int32_t) { return g_screenctr.scroll_pos_x == 0; },
         [] { g_screenctr.scroll_x(-40); }},
        {ev::scroll_right, 0, [&](int32_t) { return scene.scroll_mode == 1; }},
        {ev::scroll_left, 0, [&](int32_t) { return scene.scroll_mode == 2; }},
        {ev::scroll_up, 0, [&](int32_t) { return scene.scroll_mode == 4; }},
        {ev::scroll_down, 0, [&](int32_t) { return scene.scroll_mode == 8; }},
        {ev::camera_follow, 0, [&](int32_t) { return scene.scroll_mode == 65536; }},
        {ev::camera_follow_clamped, 0, [&](int32_t) { return scene.scroll_mode == 65537; }},
        {ev::camera_to_256, 0, [&](int32_t) { return scene.scroll_mode == 65538; }},
        {ev::camera_to_0, 0, [&](int32_t) { return scene.scroll_mode == 65540; }},
        {ev::shot_terrain_mode, 1, [&](int32_t) { return g_terrain_mode == 1; }},
        // A fade in keeps the weight and colour it finds.
        {ev::fade_in, 6,
         [&](int32_t) {
             return scene.fade_state == 413 && scene.fade_layer == 6 && scene.fade_weight == 100 &&
                    scene.fade_colour == 5;
         },
         [&] {
             scene.fade_weight = 100;
             scene.fade_colour = 5;
         }},
        {ev::fade_out_black, 5,
         [&](int32_t) {
             return scene.fade_state == 414 && scene.fade_layer == 5 && scene.fade_weight == 0 &&
                    scene.fade_colour == scene.back_colour;
         }},
        {ev::fade_out_white, 4,
         [&](int32_t) {
             return scene.fade_state == 415 && scene.fade_weight == 0 && scene.fade_colour == as_565(white);
         }},
        {ev::blackout, 3,
         [&](int32_t) {
             return scene.fade_state == 416 && scene.fade_weight == 256 &&
                    scene.fade_colour == scene.back_colour;
         }},
        {ev::whiteout, 2,
         [&](int32_t) {
             return scene.fade_state == 417 && scene.fade_layer == 2 && scene.fade_weight == 256 &&
                    scene.fade_colour == as_565(white);
         }},
        {ev::fade_hold, 1, [&](int32_t) { return scene.fade_hold; }},
        {ev::fade_in, 6, [&](int32_t) { return scene.fade_state == 417; }},
        {ev::fade_out_black, 6, [&](int32_t) { return scene.fade_state == 417; }},
        {ev::no_fading, 0,
         [&](int32_t) {
             return scene.fade_state == 411 && scene.fade_layer == 0 && scene.fade_weight == 0 &&
                    scene.fade_colour == 0;
         }},
        {ev::fade_hold, 0, [&](int32_t) { return !scene.fade_hold; }},
        {ev::game_over, 0, [&](int32_t) { return scene.game_overs == 1; }},
        {ev::next_stage, pair(2, 3), [&](int32_t) { return scene.next_stage == 0x30002u; }},
    };
    for (const row_t& r : rows) {
        r.before();
        const int32_t result = scene.run_event(r.code, r.parameter);
        EXPECT_TRUE(r.holds(result)) << r.code << " with " << r.parameter;
        if (r.code != ev::scroll_stopped) {
            EXPECT_EQ(result, 0) << r.code;
        }
    }
}

TEST_F(stage_events, a_command_out_of_range_changes_nothing) {
    event_play_t scene(&settings, &ranking);
    ASSERT_TRUE(scene.startup());
    scene.run_event(ev::quadrant_draw, pair(11, sample_band_map_id));
    scene.run_event(ev::hide_layer, 1);
    scene.run_event(ev::navigation, 5);
    const std::vector<intptr_t> before = indexed_state(scene);
    const std::pair<int32_t, int32_t> ignored[] = {
        {ev::layer_shift, pair(4, 3)},
        {ev::layer_shift, pair(-1, 3)},
        {ev::layer_clear, 4},
        {ev::layer_clear, -1},
        {ev::quadrant_clear, 14},
        {ev::quadrant_clear, 41},
        {ev::quadrant_clear, -1},
        {ev::quadrant_draw, pair(45, sample_band_map_id)},
        {ev::quadrant_set, pair(14, sample_band_map_id)},
        {ev::quadrant_set, pair(-9, sample_band_map_id)},
        {ev::layer_transparency, pair(4, 128)},
        {ev::layer_transparency, pair(-2, 128)},
        {ev::swap_layers, pair(0, 4)},
        {ev::swap_layers, pair(-1, 2)},
        {ev::navigation, 27},
        {ev::navigation, -1},
        {ev::navigation_if_empty, 31},
        {ev::scroll_level, 12},
        {ev::scroll_level, -1},
        {362, 0},
        {420, 0},
    };
    for (const auto& [code, parameter] : ignored) {
        EXPECT_EQ(scene.run_event(code, parameter), 0);
        EXPECT_EQ(indexed_state(scene), before) << code << " with " << parameter;
    }
}

TEST_F(stage_events, deleting_by_type_takes_adjacent_matches_and_frees_nothing_that_is_pointed_to) {
    const objectinfo_t wanted = test_record(201, 16, 16, 1);
    const objectinfo_t other = test_record(200, 16, 16, 1);
    const objectinfo_t effect = test_record(300, 16, 16, 4);
    const objectinfo_t shot = test_record(400, 4, 4, 1);
    const int32_t objects_before = g_object_count;
    {
        event_play_t scene(&settings, &ranking);
        stage_t& stage = scene.stage;
        std::vector<enemy_t*>& list = stage.enemies[0].items;
        // Before the window, four in it (two matches side by side), one after it.
        const objectinfo_t* types[] = {&wanted, &wanted, &wanted, &other, &wanted, &wanted};
        for (const objectinfo_t* info : types) {
            list.push_back(new enemy_t(info, 100, 100, 0));
        }
        stage.enemies[0].first = 1;
        stage.enemies[0].end = 5;
        stage.enemies[2].push_back(new enemy_t(&wanted, 100, 100, 0));
        stage.enemies[2].end = 1;
        enemy_t* first = list[0];
        enemy_t* kept = list[3];
        enemy_t* last = list[5];
        enemy_t* owner = list[1]; // its death explosion stays in the explosion window
        auto* owned = new explosion_t(&effect, 0);
        stage.explosions.push_back(owned);
        owner->attach_explosion(owned);
        auto* blast = new explosion_t(&effect, 0); // the death explosion of `kept`, and a shot's effect
        stage.explosions.push_back(blast);
        kept->attach_explosion(blast);
        auto* missile = new missile_t(&shot, 0);
        missile->effect = blast;
        missile->set_owner(owner);
        stage.enemy_shots.push_back(missile);
        stage.explosions.end = 2;
        stage.enemy_shots.end = 1;

        scene.run_event(ev::delete_enemies, 201);
        EXPECT_EQ(list, (std::vector<enemy_t*>{first, kept, last}));
        EXPECT_EQ(stage.enemies[0].first, 1u);
        EXPECT_EQ(stage.enemies[0].end, 2u);
        EXPECT_EQ(stage.enemies[2].size(), 0u);
        EXPECT_EQ(stage.enemies[2].end, 0u);
        ASSERT_EQ(stage.unlisted.size(), 4u);
        for (enemy_t* gone : stage.unlisted.items) {
            EXPECT_EQ(gone->alive, 0);
            EXPECT_LT(gone->x, -256.0f);
        }
        // No kill: the owner's explosion was not started.
        EXPECT_EQ(owned->alive, 0);
        EXPECT_EQ(g_score, 0);

        scene.run_event(ev::delete_explosions, 300);
        EXPECT_EQ(stage.explosions.size(), 0u);
        EXPECT_EQ(stage.explosions.end, 0u);
        EXPECT_EQ(stage.unlisted_objects.size(), 2u);
        scene.run_event(ev::delete_shots, 400);
        EXPECT_EQ(stage.enemy_shots.size(), 0u);
        // Those still pointed to live on: the sanitizer build sees any use of freed memory here.
        kept->kill();
        missile->start_effect_at(10, 10);
        EXPECT_EQ(missile->get_owner()->alive, 0);
    }
    EXPECT_EQ(g_object_count, objects_before);
}

TEST_F(stage_events, a_skip_moves_the_window_past_the_last_marker_in_it) {
    event_play_t scene(&settings, &ranking);
    stage_t& stage = scene.stage;
    std::vector<objectinfo_t> records;
    for (int32_t id : {96, 97, 98, 99, 100, 101, 1}) {
        records.push_back(test_record(id, 8, 8, 1));
    }
    const objectinfo_t& plain = records.back();
    // Markers at 1 and 3 inside the window [0, 5) and at 5 after it.
    const auto fill = [&](auto& list, const objectinfo_t& marker, auto make) {
        for (int i = 0; i < 6; ++i) {
            list.push_back(make(i % 2 == 1 ? &marker : &plain));
        }
        list.end = 5;
    };
    for (int i = 0; i < 4; ++i) {
        fill(stage.enemies[i], records[size_t(i)],
             [](const objectinfo_t* info) { return new enemy_t(info, 0, 0, 0); });
    }
    fill(stage.enemy_shots, records[4], [](const objectinfo_t* info) { return new missile_t(info, 0); });
    fill(stage.explosions, records[5], [](const objectinfo_t* info) { return new explosion_t(info, 0); });
    const std::pair<int32_t, const uint32_t*> skips[] = {
        {ev::skip_enemies0, &stage.enemies[0].first}, {ev::skip_enemies1, &stage.enemies[1].first},
        {ev::skip_enemies2, &stage.enemies[2].first}, {ev::skip_enemies3, &stage.enemies[3].first},
        {ev::skip_shots, &stage.enemy_shots.first},   {ev::skip_explosions, &stage.explosions.first},
    };
    for (const auto& [code, first] : skips) {
        scene.run_event(code, 0);
        EXPECT_EQ(*first, 4u) << code;
        scene.run_event(code, 0); // no marker left in [4, 5)
        EXPECT_EQ(*first, 4u) << code;
    }
    // The stage never deletes list 3.
    for (enemy_t* e : stage.enemies[3].items) {
        delete e;
    }
}

TEST_F(stage_events, flushing_the_windows_drops_everything_placed_before_the_position) {
    event_play_t scene(&settings, &ranking);
    stage_t& stage = scene.stage;
    const objectinfo_t info = test_record(1, 8, 8, 1);
    const uint32_t keys[] = {0x0, 0x10000, 0x20028, 0x20028, 0x30000};
    for (uint32_t key : keys) {
        for (int i = 0; i < 3; ++i) {
            stage.enemies[i].push_back(new enemy_t(&info, 0, 0, key));
        }
        stage.enemy_shots.push_back(new missile_t(&info, key));
        stage.explosions.push_back(new explosion_t(&info, key));
    }
    g_stage_position = 0x20028;
    scene.run_event(ev::flush_windows, 0);
    const auto window = [](const auto& list) { return std::make_pair(list.first, list.end); };
    const std::pair<uint32_t, uint32_t> expected{2, 4};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window(stage.enemies[i]), expected) << i;
    }
    EXPECT_EQ(window(stage.enemy_shots), expected);
    EXPECT_EQ(window(stage.explosions), expected);
    EXPECT_EQ(window(stage.enemies[3]), std::make_pair(0u, 0u));
}

TEST_F(stage_events, a_stage_change_is_withdrawn_by_0_and_stage_minus_1_clears_the_game) {
    event_play_t scene(&settings, &ranking);
    ASSERT_TRUE(scene.startup());
    scene.run_event(ev::next_stage, 2);
    scene.run_event(ev::next_stage, 0);
    scene.run_frame(false);
    EXPECT_EQ(scene.stage_no, 1);
    EXPECT_EQ(g_frame_counter, 1u);

    scene.run_event(ev::next_stage, pair(2, 3));
    scene.run_frame(false);
    EXPECT_EQ(scene.stage_no, 2);
    EXPECT_EQ(g_stage_position, 0x30000u);
    EXPECT_EQ(scene.all_cleareds, 0);

    scene.run_event(ev::next_stage, pair(-1, 0));
    scene.run_frame(false);
    EXPECT_EQ(scene.all_cleareds, 1);
    EXPECT_EQ(scene.stage.enemies[0].size(), 0u);
}

TEST_F(stage_events, a_fade_in_that_reaches_0_ends_the_fade_in_the_same_update) {
    event_play_t scene(&settings, &ranking);
    ASSERT_TRUE(scene.startup());
    scene.run_event(ev::blackout, 6);
    scene.fade_weight = 8;
    scene.run_event(ev::fade_in, 6);
    scene.update();
    EXPECT_EQ(scene.fade_state, 413);
    EXPECT_EQ(scene.fade_weight, 4);
    scene.ran.clear();
    scene.update();
    EXPECT_EQ(scene.ran, (std::vector<std::pair<int32_t, int32_t>>{{ev::no_fading, 0}}));
    EXPECT_EQ(scene.fade_state, 411);
    EXPECT_EQ(scene.fade_layer, 0);
}

TEST_F(stage_events, a_repeating_section_runs_the_events_of_its_last_position_once) {
    event_play_t scene(&settings, &ranking);
    // At speed 11 the position steps 8 pixels a frame: 0, 8, ... 248, then the section's end.
    scene.stage.events.push_back({ev::explosion_layer, 0, 16, 1});
    scene.stage.events.push_back({ev::explosion_layer, 0, 248, 2});
    scene.stage.events.push_back({ev::explosion_layer, 0, 0x10000, 3});
    scene.scroll_level = 11;
    g_section_repeat = 1;
    const auto frames = [&](int n) {
        for (int i = 0; i < n; ++i) {
            ++g_frame_counter;
            scene.scroll_frame();
        }
    };
    frames(32 * 3); // three times through the section
    EXPECT_EQ(g_stage_position, 0u);
    EXPECT_EQ(scene.ran,
              (std::vector<std::pair<int32_t, int32_t>>{{ev::explosion_layer, 1}, {ev::explosion_layer, 2}}));
    g_section_repeat |= 2;
    frames(32 * 2);
    EXPECT_EQ(g_stage_position, 0x10000u);
    EXPECT_EQ(scene.ran.back(), std::make_pair(int32_t(ev::explosion_layer), 3));
    EXPECT_EQ(scene.ran.size(), 3u);
}

TEST(navigation, a_message_is_typed_every_4_frames_held_80_frames_and_faded_out_in_32) {
    navigation_t n;
    n.start("AB");
    struct row_t {
        uint32_t frames; // typing steps so far
        const char* shown;
        int32_t fade;
    };
    const row_t rows[] = {{1, "A", 0},   {4, "A", 0},      {5, "AB", 0}, {84, "AB", 0},
                          {85, "AB", 8}, {115, "AB", 248}, {116, "", 0}};
    uint32_t done = 0;
    for (const row_t& r : rows) {
        for (; done < r.frames; ++done) {
            n.type();
            EXPECT_EQ(n.cursor_on, done % 16 < 10);
        }
        EXPECT_STREQ(n.text + n.display_start, r.shown) << r.frames;
        EXPECT_EQ(n.fade, r.fade) << r.frames;
    }
    EXPECT_EQ(n.length, 0);
}

TEST(navigation, the_fifth_line_break_scrolls_the_oldest_line_away) {
    navigation_t n;
    n.start(navigation_message(3)); // two line breaks: shown whole
    for (int i = 0; i < 4 * 60; ++i) {
        n.type();
    }
    EXPECT_STREQ(n.text, navigation_message(3));
    EXPECT_EQ(n.display_start, 0);

    // Characters revealed and what is shown then.
    const std::pair<int32_t, const char*> shown[] = {
        {6, "\n1\n2\n3"}, {8, "1\n2\n3\n4"}, {9, "1\n2\n3\n4\n"}, {10, "2\n3\n4\n5"}, {12, "2\n3\n4\n5\n6"}};
    n.start("\n1\n2\n3\n4\n5\n6");
    for (const auto& [revealed, text] : shown) {
        while (n.reveal_position < revealed) {
            n.type();
        }
        EXPECT_STREQ(n.text + n.display_start, text) << revealed;
    }
}

TEST_F(stage_events, a_message_waits_for_an_empty_display_only_when_asked_to) {
    event_play_t scene(&settings, &ranking);
    navigation_t& n = scene.navigation;
    scene.run_event(ev::navigation, 15);
    scene.run_event(ev::navigation_if_empty, 24); // nothing shown yet: replaces
    EXPECT_EQ(n.saved_char, 'M');
    n.type();
    scene.run_event(ev::navigation_if_empty, 7);
    EXPECT_STREQ(n.text, "M");
    scene.run_event(ev::navigation, 7);
    EXPECT_EQ(n.saved_char, 'S');
    EXPECT_EQ(n.length, 9);
}
