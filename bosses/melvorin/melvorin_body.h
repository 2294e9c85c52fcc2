// The final boss's frame: it cannot be hurt, fires crossing volleys of reflecting lasers when its core
// asks, and after the core's death plays the long death sequence that ends it and releases the scroll.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

#include <cstdint>
#include <vector>

namespace melvorin {

class core_t;
class ref_laser_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        death_explosions.entries.reserve(4);
        ref_lasers.reserve(128);
    }

    void update() override;
    void damage(int32_t) override {}

    // The first idle reflecting laser at p along direction with the pattern; the sound either way.
    void fire_ref_laser(const float* p, int32_t direction, int32_t laser_pattern);

    core_t* core = nullptr;
    mul_explosion_t death_explosions; // offsets from the body
    std::vector<ref_laser_t*> ref_lasers;
    explosion_t* muzzle_flashes[2] = {nullptr, nullptr}; // upper, lower
    float muzzle_points[2][2] = {};
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
    void restart_flashes(uint32_t flash_period);
    void run_death_sequence();
};

} // namespace melvorin
