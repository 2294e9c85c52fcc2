// The arrow sign: a controller that, once its window opens, sends four sweeps of four animated arrows
// towards smaller x with a sound each, then switches itself off. Nothing about it can be hit.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

// A started arrow stays where it was put.
class arrow_t : public enemy_skipper_t {
  public:
    using enemy_skipper_t::enemy_skipper_t;

    void update() override;
    void start() override;

    int32_t base = 0; // first pattern: the arrow's row of the sprite sheet
    uint32_t counter = 0;
};

class arrow_ctr_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void damage(int32_t) override {}

    arrow_t* arrows[4] = {};
    uint8_t follow_y = 0;
    uint32_t sweeps = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One state; false when it changed state and the machine goes on in this frame.
    bool step(float at_x, float at_y);
};
