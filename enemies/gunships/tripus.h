// Tripus: a spinning three-armed craft that dashes at the ship and, between dashes, throws three-way
// laser bursts from its arm tips; two sections after it appeared it turns away and retreats, still firing.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

class tripus_t : public enemy_t {
  public:
    tripus_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(64);
    }

    void update() override;
    void damage(int32_t n) override;

    std::vector<missile_t*> lasers; // tripus_laser_t, in the stage's enemy-shot list
    int32_t direction = 0;
    int32_t state = 0; // 0, 1, 100: the attack; 500, 501, 502: the retreat
    uint32_t timer = 0;

  private:
    // Whether the state changed and the new one runs in the same frame.
    bool run_state();
    void dash();
    void burst();
};
