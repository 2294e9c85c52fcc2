// Homing missiles: a pair launched up and down that each chase the nearest live enemy on screen.
#pragma once

#include "player/player_missile.h"

class homing_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    object_t* target = nullptr; // not owned
    uint32_t lock_frames = 0;   // turning frames spent on the current target
};

class upper_homing_missile_t : public homing_missile_t {
  public:
    using homing_missile_t::homing_missile_t;
};

class lower_homing_missile_t : public homing_missile_t {
  public:
    using homing_missile_t::homing_missile_t;
};
