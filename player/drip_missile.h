// Drip missiles: a pair that drifts forward while the lower one falls and the upper one rises, ever
// faster, dying at the first terrain contact.
#pragma once

#include "player/player_missile.h"

class drip_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    float fall_speed = 0; // away from the ship's line, pixels per frame
    uint32_t age = 0;     // updates since the start
};

class upper_drip_missile_t : public drip_missile_t {
  public:
    using drip_missile_t::drip_missile_t;
};

class lower_drip_missile_t : public drip_missile_t {
  public:
    using drip_missile_t::drip_missile_t;
};
