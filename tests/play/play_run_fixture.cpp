#include "tests/play/play_run_fixture.h"

#include "objects/score.h"
#include "platform/audio_device.h"
#include "play/play_state.h"
#include "play/state_hash.h"
#include "player/ship.h"
#include "render/map_table.h"
#include "screen/soundctr.h"
#include "tools/sample/sample.h"

uint8_t weaving_script(uint32_t frame) {
    uint8_t input = input_shot;
    switch (frame / 48 % 4) {
    case 1:
        input |= input_up;
        break;
    case 3:
        input |= input_down;
        break;
    default:
        break;
    }
    if (frame % 400 < 40) {
        input |= input_right;
    } else if (frame % 400 >= 200 && frame % 400 < 230) {
        input |= input_left;
    }
    if (frame % 128 < 64) {
        input |= input_missile;
    }
    if (frame % 500 == 250) {
        input |= input_powerup;
    }
    return input;
}

void play_run_fixture_t::SetUp() {
    screen_fixture_t::SetUp();
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    // The stage script draws its terrain from the map table, and the terrain is part of the game.
    ASSERT_TRUE(load_map_table(".\\bin\\maptbl.dat"));
    ASSERT_TRUE(start(desktop_bits));
    plat::audio_set_manual(true);
    ASSERT_TRUE(g_soundctr.create(nullptr, false));
    settings.ship_type = 0;
    settings.stage = 1;
    settings.level = 2;
    settings.random_seed = 1234;
}

void play_run_fixture_t::TearDown() {
    g_soundctr.destroy();
    screen_fixture_t::TearDown();
}

void play_run_fixture_t::reset_run_globals() {
    reset_play_state();
    g_lives = 9;
}

std::vector<uint64_t> play_run_fixture_t::play_hashes(int32_t stage, uint32_t frames) {
    reset_run_globals();
    settings.stage = stage;
    scripted_play_t scene(&settings, &ranking, weaving_script);
    std::vector<uint64_t> hashes;
    if (!scene.startup()) {
        ADD_FAILURE() << "stage " << stage << " did not start";
        return hashes;
    }
    for (; scene.frame_number < frames; ++scene.frame_number) {
        scene.run_frame(false);
        hashes.push_back(play_state_hash(scene));
    }
    return hashes;
}

uint8_t unhurt_play_t::read_input() {
    player.ship->invulnerable_timer = 1u << 30;
    return scripted_play_t::read_input();
}
