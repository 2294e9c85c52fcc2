// A multiple (option pod): it flies where its formation controller puts it and fires what the ship fires.
#pragma once

#include "player/player_piveter.h"

class multiple_t : public player_piveter_t {
  public:
    using player_piveter_t::player_piveter_t;

    // Four patterns, one step every fourth frame of the frame counter.
    void update() override;
};
