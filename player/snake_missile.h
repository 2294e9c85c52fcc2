// Snake missiles: a pair that crawls along the terrain, the upper one along ceilings and the lower one
// along floors, turning its direction toward the heading its terrain probes choose.
#pragma once

#include "player/player_missile.h"

class snake_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    int32_t heading = 0; // the direction the terrain logic wants
};

class upper_snake_missile_t : public snake_missile_t {
  public:
    using snake_missile_t::snake_missile_t;
};

class lower_snake_missile_t : public snake_missile_t {
  public:
    using snake_missile_t::snake_missile_t;
};
