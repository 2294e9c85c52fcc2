// Twister004: a small spinning dasher that moves left in pulses (accelerate, coast to a stop, pause) and
// fires one shot at each pause from level 3; its exhaust jet follows it.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace twister004 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(4);
    }

    void update() override;
    void set_position(float new_x, float new_y) override;
    void start() override;
    void kill() override;
    void damage(int32_t n) override;
    void fire();

    float speed = 0;
    jet_t* jet = nullptr;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    int32_t state = 0;             // 0 accelerate, 1 brake, 2 pause
    uint32_t timer = 0;
};

} // namespace twister004
