// The vertical missile: it drops straight down until it finds ground, then runs along the floor.
#pragma once

#include "player/player_missile.h"

class vertical_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;
};

class lower_vertical_missile_t : public vertical_missile_t {
  public:
    using vertical_missile_t::vertical_missile_t;

    uint32_t drop_state = 0; // 0 dropping, 1 running along the floor
    int32_t heading = 0;
};
