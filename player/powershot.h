// The power shot: a heavy shot that pierces enemies until its hit points are used up.
#pragma once

#include "player/player_missile.h"

class powershot_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;
};
