// Battery006: a gun that tracks the ship within 10 direction steps either side of its placement's
// centre direction, one step every second frame, and fires single shots with a muzzle flash.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace battery006 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(4);
    }

    void update() override;
    void damage(int32_t n) override;
    // The sector centre..+-10; the centre reduced to 0..63.
    void set_direction(int32_t centre);
    // Along the barrel's pattern, when a shot and its effect are idle.
    void fire(float speed);

    int32_t direction = 0; // centre - 10 .. centre + 10, used & 63
    int32_t min_direction = 0;
    int32_t max_direction = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list, each with its effect
    int32_t state = 0;             // 0 start, 1 waiting for the screen, 2 active
    uint32_t timer = 0;
};

} // namespace battery006
