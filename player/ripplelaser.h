// The ripple laser: a ring that widens vertically as it flies.
#pragma once

#include "player/player_missile.h"

class ripplelaser_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void start() override;
    void update() override;
    // The record's box, 4 pixels taller above and below per pattern.
    void get_rect(plat::rect_t& out) override;

    int32_t age = 0; // updates since the start
};
