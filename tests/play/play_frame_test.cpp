#include "platform/keyboard.h"
#include "play/play_globals.h"
#include "play/state_hash.h"
#include "player/ship.h"
#include "shell/key_table.h"
#include "tests/play/play_run_fixture.h"

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
