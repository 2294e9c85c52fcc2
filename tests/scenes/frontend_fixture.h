// The front-end scenes' tests: the screen manager with the sample sprites, the sound manager with the
// sample sounds rendered offline, a running scene controller over the default configuration, and a
// vertical-blank wait on a counting clock so that thousands of frames run at once.
#pragma once

#include "play/scenectr.h"
#include "scenes/config.h"
#include "tests/screen/screen_fixture.h"

#include <cstdint>
#include <memory>
#include <vector>

class frontend_fixture_t : public screen_fixture_t {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The screen manager unscaled, for tests that present thousands of frames.
    bool start_unscaled() { return start(32, 0, true, 1); }
    // The whole sample data set in the folder, then the screen manager unscaled.
    void start_on_sample_data();
    // True when the scene asked for exactly this scene next.
    bool changing_to(int32_t id) const;
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
