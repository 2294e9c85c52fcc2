// The hopper: a walker on the terrain that turns to the ship, hops towards it over floors, ceilings and
// walls, and raises its gun for volleys from its own shots; two sections past its place it only hops left.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

class hopper_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t n) override;

    int32_t facing = 0; // 0 right, 1 left
    int32_t aim = 0;
    std::vector<missile_t*> shots;
    float vx = 0;
    float vy = 0;
    uint8_t aimed = 0;
    uint8_t blocked = 0;
    int32_t step = 0;
    int32_t state = 0;
    uint32_t timer = 0;
    uint32_t stay = 0x20000; // stage position units past the key

  private:
    // One state; true when it moved on to another, which then runs in the same frame.
    bool handle(const float* ship);
    bool go(int32_t next);
    // The actions; true once finished.
    bool turn_left();
    bool turn_right();
    bool hop();
    // One step of a jump; true while airborne.
    bool jump_step();
    // One pattern towards direction d; true when the pattern changed.
    bool turn_gun(int32_t d);
    bool volley();
    void fire();
    bool on_screen() const;

    bool pending = false;
};
