#include "objects/enemy.h"
#include "objects/play_globals.h"
#include "platform/keyboard.h"
#include "play/key_table.h"
#include "play/state_hash.h"
#include "player/ship.h"
#include "screen/vscreen.h"
#include "tests/play/play_run_fixture.h"

#include <array>

using play_frame = play_run_fixture_t;

TEST_F(play_frame, a_paused_frame_changes_nothing_but_the_picture) {
    reset_run_globals();
    scripted_play_t scene(&settings, &ranking, weaving_script);
    ASSERT_TRUE(scene.startup());
    for (; scene.frame_number < 300; ++scene.frame_number) {
        scene.run_frame(false);
    }
    const uint64_t before = play_state_hash(scene);
    const uint32_t inputs = scene.inputs_read;
    EXPECT_EQ(inputs, 300u); // once per running frame
    scene.paused = true;
    for (int i = 0; i < 10; ++i) {
        scene.frame();
    }
    EXPECT_EQ(play_state_hash(scene), before);
    EXPECT_EQ(scene.inputs_read, inputs);
    scene.paused = false;
    scene.frame();
    EXPECT_NE(play_state_hash(scene), before);
    EXPECT_EQ(g_frame_counter, 301u);
}

TEST_F(play_frame, the_polled_keys_make_the_input_byte_with_power_up_in_its_first_frame_only) {
    const int codes[key_count] = {'U', 'D', 'R', 'L', 'S', 'M', 'O', 'P', 'Q'};
    for (int key = 0; key < key_count; ++key) {
        g_key_table[key] = {codes[key], 0};
    }
    reset_run_globals();
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    // Keys held in each frame, and the input byte the ship gets.
    struct row_t {
        const char* held;
        uint8_t input;
    };
    const row_t rows[] = {
        {"P", input_powerup},
        {"PS", input_shot},
        {"P", 0},
        {"", 0},
        {"PUO", input_powerup | input_up | input_multiple},
        {"DRLMQ", input_down | input_right | input_left | input_missile},
    };
    for (const row_t& r : rows) {
        plat::clear_key_states();
        for (const char* c = r.held; *c != '\0'; ++c) {
            plat::set_key_state(*c, true);
        }
        scene.run_frame(false);
        EXPECT_EQ(scene.player.ship->input, r.input) << "holding " << r.held;
    }
    plat::clear_key_states();
    for (key_entry_t& entry : g_key_table) {
        entry = {};
    }
}

namespace {

// The smallest rectangle around the layer's pixels that are not 0, as left, top, right, bottom.
std::array<int32_t, 4> drawn_box(vscreen_t& layer) {
    std::array<int32_t, 4> box{1 << 20, 1 << 20, 0, 0};
    for (int32_t y = 0; y < layer.height; ++y) {
        for (int32_t x = 0; x < layer.width; ++x) {
            if (blend_test::get_pixel(*layer.surface, x, y) != 0) {
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                       std::max(box[3], y + 1)};
            }
        }
    }
    return box;
}

} // namespace

TEST_F(play_frame, the_collision_screen_holds_the_enemy_list_1_sprites_of_the_last_draw) {
    reset_run_globals();
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    const objectinfo_t* record = objectinfo_find(200);
    ASSERT_NE(record, nullptr);
    auto* solid = new enemy_t(record, 100.5f, 60, 0);
    auto* hidden = new enemy_t(record, 30, 30, 0);
    hidden->alive = 0;
    array_t<enemy_t*>& list = scene.stage.enemies[1];
    list.push_back(hidden);
    list.push_back(solid);
    list.first = list.size() - 2;
    list.end = list.size();
    scene.draw_world();
    const std::array<int32_t, 4> box = drawn_box(*g_screenctr.cg);
    EXPECT_TRUE(box[0] >= 100 - record->width / 2 && box[2] <= 100 + record->width / 2 && box[0] < 100 &&
                box[2] > 100);
    EXPECT_TRUE(box[1] >= 60 - record->height / 2 && box[3] <= 60 + record->height / 2 && box[1] < 60 &&
                box[3] > 60);
    solid->alive = 0;
    scene.draw_world();
    EXPECT_EQ(drawn_box(*g_screenctr.cg)[2], 0);
}

TEST_F(play_frame, the_screen_is_cleared_to_the_background_colour_unless_a_rear_layer_covers_it) {
    reset_run_globals();
    play_scene_t scene(&settings, nullptr, &ranking);
    ASSERT_TRUE(scene.startup());
    scene.run_event(411, 0); // the sample stage opens with a fade in
    g_screenctr.clear_layers();
    scene.draw_stars = false;
    scene.back_colour = 0x1234;
    scene.draw_world();
    EXPECT_EQ(blend_test::get_pixel(*g_screenctr.mg->surface, 0, 100), 0x1234u);
    scene.fade_layer = 3;
    scene.fade_weight = 256;
    scene.fade_colour = 0xFFFF;
    scene.draw_world();
    EXPECT_EQ(blend_test::get_pixel(*g_screenctr.mg->surface, 0, 100), 0xFFFFu);
    scene.fade_layer = 7; // no such point
    scene.draw_world();
    EXPECT_EQ(blend_test::get_pixel(*g_screenctr.mg->surface, 0, 100), 0x1234u);
}

TEST_F(play_frame, a_shake_swings_back_to_rest_and_a_fade_takes_64_frames) {
    reset_run_globals();
    scripted_play_t scene(&settings, &ranking, [](uint32_t) { return uint8_t(0); });
    ASSERT_TRUE(scene.startup());
    scene.run_event(411, 0); // the sample stage opens with a fade in
    mg_t& screen = *g_screenctr.mg;
    screen.scroll_y = 4;
    screen.scroll_x = -2;
    scene.fade_state = 414;
    std::vector<int32_t> swings_y, swings_x;
    for (int frame = 0; frame < 64; ++frame) {
        scene.run_frame(false);
        if (swings_y.empty() || swings_y.back() != screen.scroll_y) {
            swings_y.push_back(screen.scroll_y);
        }
        if (swings_x.empty() || swings_x.back() != screen.scroll_x) {
            swings_x.push_back(screen.scroll_x);
        }
        EXPECT_EQ(scene.fade_weight, std::min(256, 4 * (frame + 1)));
    }
    EXPECT_EQ(swings_y, (std::vector<int32_t>{-3, 2, -1, 0})); // the first step on frame 0
    EXPECT_EQ(swings_x, (std::vector<int32_t>{-2, 1, 0}));
}
