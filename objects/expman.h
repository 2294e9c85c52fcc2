// The explosion sequencer: every eighth frame it starts two explosions of its set picked at random and
// shakes the picture with each.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

class expman_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}

    mul_explosion_t set;
};
