// Worm004: six parts rooted at their innermost one; the head turns towards the ship and hands a bend
// past two steps on towards the root, while the spacing pulses and the head fires at the top of a stretch.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace worm004 {

class seg_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // One step of sense's sign, or the inner part's when this joint would bend past two steps; sense 0
    // straightens the inner part towards this one. Whether this part's direction changed.
    bool turn(int32_t sense);

    seg_t* outer = nullptr; // towards the head
    seg_t* inner = nullptr; // towards the root
    int32_t dir = 0;        // unmasked; & 63 is the direction
    int32_t bank = 0;
};

class head_t : public seg_t {
  public:
    using seg_t::seg_t;

    void update() override;
    void damage(int32_t n) override;
    // The first idle shot from the head along its direction.
    void fire();

    seg_t* root = nullptr;
    int32_t hit_timer = 0;
    float spacing = 8.0f;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t pulse_count = 0;
    int32_t state = 0;
    uint32_t timer = 0;
    bool fire_ready = false;

  private:
    void step_state();
    void place_chain();
};

class body_t : public seg_t {
  public:
    using seg_t::seg_t;

    // Explodes from the 4th frame after its outer part died.
    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override;

    head_t* head = nullptr;
    int32_t death_count = 0;
};

} // namespace worm004
