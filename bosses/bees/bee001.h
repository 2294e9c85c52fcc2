// Bee001: a bee that bobs along the ship's height, drifts left clear of the terrain and of other bees,
// recoils when hit and fires slow balls; below 10 hit points its wing breaks and it falls to the ground
// trailing smoke.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class smoke_t;

namespace bee001 {

class ball_t;
class wing_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key), base_y(y) {
        balls.reserve(4);
        smokes.reserve(8);
    }

    void update() override;
    // The wing follows, 16 pixels right and 12 up.
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t n) override;
    // The recoil and the hurt patterns show a hit instead.
    bool is_flashing() override { return false; }

    // False once it stops flying: wing lost, pinched by terrain or gone off the left.
    bool fly();
    // True once it has landed.
    bool fall();
    void fire_ball();
    void puff_smoke();
    // 1000 on terrain, 1 on another live bee close by, else 0.
    int32_t probe(float at_x, float at_y);

    int32_t state = 0;
    int32_t counter = 0;
    wing_t* wing = nullptr;
    float base_y;
    int32_t phase = 0; // degrees
    int32_t hurt = 0;
    uint8_t hit = 0;
    std::vector<ball_t*> balls;
    std::vector<smoke_t*> smokes;
};

// A slow ball flying one pixel per frame along its direction.
class ball_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override;

    int32_t direction = 0;
};

// Drawn above the body, which moves it; it cannot be hurt.
class wing_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}
    bool is_flashing() override;

    body_t* body = nullptr;
};

} // namespace bee001
