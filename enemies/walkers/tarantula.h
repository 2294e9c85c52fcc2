// The tarantula: a large walker with an eye drawn beside it that strides in towards the ship, stands to
// fire fans from its own shots, walks out once the stage has moved on, and shakes apart in a chain of
// blasts before it blows up.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

class tarantula_eye_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}
};

class tarantula_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void set_position(float new_x, float new_y) override;
    // The record's box, 10 pixels to the right.
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return flash != 0; }

    tarantula_eye_t* eye = nullptr;
    uint8_t flash = 0;
    uint8_t dying = 0;
    int32_t direction = 0;
    mul_explosion_t blasts;
    std::vector<missile_t*> missiles;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One state; true when it moved on to another, which then runs in the same frame.
    bool handle(const float* ship);
    bool go(int32_t next);
    void walk(int32_t towards, float speed);
    void fan(const float* ship, uint32_t per_level);
    void blast();
    void ring();
};
