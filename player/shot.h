// The normal shot: straight ahead at its factory's speed, heard only when the ship itself fires it.
#pragma once

#include "player/player_missile.h"

class shot_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void start() override;
    // Makes the explosion this shot's hit effect, one pattern per frame.
    virtual void attach_effect(explosion_t* explosion);
};
