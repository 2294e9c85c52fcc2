// The ripple laser: a ring that widens vertically as it flies.
#pragma once

#include "player/player_missile.h"

class ripplelaser_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    int32_t age = 0; // updates since the start
};
