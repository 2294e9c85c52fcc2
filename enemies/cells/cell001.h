// The pulsing cell that swells as it is hurt, fires spread shots at the ship by level and bursts into
// more of them on its death; and the row scan that finds the middle of a gap in the terrain.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

// The middle of the free gap on row y of background layer 0 around x: the nearest solid pixels at
// 8-pixel steps to the left (else 0) and to the right (else 256).
int32_t terrain_gap_center_x(int32_t x, int32_t y);

namespace cell001 {

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    int32_t scale() override { return size + growth; }
    void damage(int32_t n) override;

    int32_t size = 100; // the pulse, in percent
    int32_t growth = 0; // what the damage adds, in percent
    std::vector<missile_t*> shots;
    uint32_t timer = 0;

  private:
    void fire(int32_t n);
};

} // namespace cell001
