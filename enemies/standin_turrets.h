// Stand-ins for the turret bodies that the dispatcher gives pooled shots, until their families are
// built: plain enemies that keep their shots and, for battery003, the firing timing.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace battery001 {
class floorbody_t : public enemy_t {
  public:
    floorbody_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(4);
    }
    std::vector<missile_t*> shots;
};

class roofbody_t : public floorbody_t {
  public:
    using floorbody_t::floorbody_t;
};
} // namespace battery001

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
