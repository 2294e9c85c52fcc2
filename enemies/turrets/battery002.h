// Battery002: a gun that never turns, firing fast shots with a muzzle flash along its placement's
// direction in bursts at the start of every 64-frame block, longer bursts at higher levels.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace battery002 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(32);
    }

    void update() override;
    void damage(int32_t n) override;
    void fire();

    std::vector<missile_t*> shots; // in the stage's enemy-shot list, each with its effect
    int32_t direction = 0;         // 0..63
    uint32_t counter = 0;          // on-screen frames
};

} // namespace battery002
