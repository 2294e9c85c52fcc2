// Stand-in for the battery003 turret that the dispatcher gives pooled shots, until its family is built:
// a plain enemy that keeps its shots and its firing timing.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace battery003 {
class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(64);
    }
    // Fires every n x 8 frames, the first time that long plus a random part later.
    void set_fire_timing(int32_t n);

    std::vector<missile_t*> shots;
    uint32_t fire_interval = 0;
    uint32_t fire_countdown = 0;
};
} // namespace battery003
