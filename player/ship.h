// Stand-in for the player's ship until the ship itself is built: an object with a death explosion that
// enemies aim at and collide with.
#pragma once

#include "objects/object.h"

class ship_t : public piveter_t {
  public:
    using piveter_t::piveter_t;
};
