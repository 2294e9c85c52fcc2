// What the ship's tests share: the sample object table, a stand-in play around the real ship, and the
// globals a play changes put back afterwards.
#pragma once

#include "player/ship.h"
#include "tests/player/player_fixture.h"
#include "tests/player/ship_play_standin.h"

class ship_fixture_t : public player_test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the play and the stage and flies the warp-in; false when any step failed.
    bool start(const play_settings_t& settings = {});
    ship_t& ship() { return *play.ship; }

    ship_play_standin_t play;
};
