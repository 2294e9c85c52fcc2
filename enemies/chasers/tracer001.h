// Tracer001: a fast homing craft with two exhaust flames that turns toward the ship a step every other
// frame and fires along its heading while its chase lasts, then heads off to the left.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace tracer001 {

class Body : public enemy_t {
  public:
    Body(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        pattern = 16;
        shots.reserve(4);
    }

    void update() override;
    void kill() override;
    void damage(int32_t n) override;

    int32_t direction = 32;
    jet_t* jet_a = nullptr;
    jet_t* jet_b = nullptr;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t counter = 0;
};

} // namespace tracer001
