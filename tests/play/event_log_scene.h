// A play scene for tests: it keeps the commands that objects post instead of running them and takes its
// input byte from the test; everything else, its frame's update included, is the play scene's own.
#pragma once

#include "play/play_scene.h"

#include <cstdint>
#include <utility>
#include <vector>

class event_log_scene_t : public play_scene_t {
  public:
    event_log_scene_t() : play_scene_t(nullptr, nullptr, nullptr) {}

    int32_t run_event(int32_t code, int32_t parameter) override {
        events.emplace_back(code, parameter);
        return 0;
    }
    uint8_t read_input() override { return input; }

    uint8_t input = 0;
    std::vector<std::pair<int32_t, int32_t>> events;
};
