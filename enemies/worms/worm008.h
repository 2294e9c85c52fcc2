// Worm008: a worm jutting left from a fixed anchor, swaying up and down with its four segments trailing
// back to the anchor, firing pairs of shots; a lethal hit makes it sink for 64 frames before it dies.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

namespace worm008 {

class head_t;

// A segment: placed by its head, never hurt, flashing with the head.
class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}
    bool is_flashing() override;

    head_t* head = nullptr;
};

class head_t : public enemy_t {
  public:
    head_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Its death explosion, then every segment dies with it.
    void kill() override;
    // A lethal hit starts the sinking instead.
    void damage(int32_t n) override;

    std::vector<body_t*> bodies;   // head side first
    std::vector<missile_t*> shots; // ownerless; in the stage's enemy-shot list
    mul_explosion_t blasts;
    mul_explosion_t puffs;
    poslog_t trail;
    float anchor_x;
    float anchor_y;
    int32_t phase = 0;     // degrees
    int32_t amplitude = 0; // pixels, 4..20
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    void sway();
    void sink();
    void fire_pair();
    void place_bodies();
};

} // namespace worm008
