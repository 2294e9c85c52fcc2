// The exhaust flame that flyers, mid-bosses and bosses carry: it animates by itself, never moves or gets
// hurt by itself, and leaves no explosion; its owner places it every frame and switches it off.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

class jet_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // On frames that are multiples of the period, the next of the record's hit-point count of patterns.
    void update() override;
    void kill() override { object_t::kill(); }
    void damage(int32_t) override {}

    int32_t period = 4; // frames per pattern
};
