// A drifting puff of smoke: the ship's debris while it dies, and the smoke trails of enemies. It can be
// made to vanish where it touches the cg layer's terrain.
#pragma once

#include "objects/explosion.h"

class smoke_t : public active_explosion_t {
  public:
    using active_explosion_t::active_explosion_t;

    void update() override;

    uint8_t terrain_collision = 0; // 1: the cg layer's terrain ends it
};
