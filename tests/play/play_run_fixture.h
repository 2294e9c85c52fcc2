// Plays of the sample stages headless: the screen manager over a window, the sound manager, the sample
// data in a temporary folder, and a play scene whose input comes from a script instead of the keyboard.
#pragma once

#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/ranking.h"
#include "tests/screen/screen_fixture.h"

#include <cstdint>
#include <functional>
#include <vector>

// A play scene that reads its input byte from a script of the frame number.
class scripted_play_t : public play_scene_t {
  public:
    using script_t = std::function<uint8_t(uint32_t)>;
    scripted_play_t(playinfo_t* settings, ranking_t* ranking, script_t script)
        : play_scene_t(settings, nullptr, ranking), script(std::move(script)) {}

    uint8_t read_input() override {
        ++inputs_read;
        return script(frame_number);
    }

    script_t script;
    uint32_t frame_number = 0;
    uint32_t inputs_read = 0;
};

// A scripted play whose ship nothing hurts.
class unhurt_play_t : public scripted_play_t {
  public:
    using scripted_play_t::scripted_play_t;
    uint8_t read_input() override;
};

// Firing all the time, weaving up and down, now and then forward, a missile and a power-up.
uint8_t weaving_script(uint32_t frame);

class play_run_fixture_t : public screen_fixture_t {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The score, lives and bonus a run starts with.
    static void reset_run_globals();
    // The state hash after each of `frames` running frames of stage `stage`, started as a play starts.
    std::vector<uint64_t> play_hashes(int32_t stage, uint32_t frames);

    playinfo_t settings;
    ranking_t ranking;
    int desktop_bits = 16;
};
