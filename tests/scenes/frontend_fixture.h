// Tests of the front-end scenes: the sample sprites and sounds in a temporary folder, the screen and
// sound managers, a scene controller to take the scenes' requests, and a vertical-blank wait on a
// counting clock so that thousands of frames run at once.
#pragma once

#include "shell/config.h"
#include "shell/scenectr.h"
#include "tests/screen/screen_fixture.h"

#include <cstdint>
#include <memory>
#include <vector>

class frontend_fixture_t : public screen_fixture_t {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A running controller with an empty, unlocked queue.
    void reset_controller();
    std::vector<int32_t> queue() const;
    // The back buffer's pixel, and all of its pixels.
    uint32_t pixel(int32_t x, int32_t y) const;
    std::vector<uint32_t> picture() const;
    // Vertical-blank waits since the set-up.
    static uint32_t vblank_waits();

    config_t config{};
    std::unique_ptr<scenectr_t> controller;
};
