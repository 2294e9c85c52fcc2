// A star that flies from its random point on a ring towards the middle of the screen, slowing and
// changing its look as it goes, and starts again from the same point when it arrives.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

// The stage's moves do not shift it and nothing hurts it.
class star002_t : public enemy_skipper_t {
  public:
    using enemy_skipper_t::enemy_skipper_t;

    void update() override;
    void kill() override {}

    float start_x = 0;
    float start_y = 0;
    // target_x then target_y, handed to direction_to as a pair.
    float target_x = 128.0f;
    float target_y = 128.0f;
    float speed = 3.0f;
    uint32_t counter = 0;
};
