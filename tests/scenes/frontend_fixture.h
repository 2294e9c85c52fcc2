// The front-end scenes' tests: the screen manager with the sample sprites, the sound manager with the
// sample sounds rendered offline, and a running scene controller over the default configuration.
#pragma once

#include "play/scenectr.h"
#include "scenes/config.h"
#include "tests/screen/screen_fixture.h"

#include <memory>

class frontend_fixture_t : public screen_fixture_t {
  protected:
    void SetUp() override;
    void TearDown() override;

    // True when the scene asked for exactly this scene next.
    bool changing_to(int32_t id) const;

    config_t config{};
    std::unique_ptr<scenectr_t> controller;
};
