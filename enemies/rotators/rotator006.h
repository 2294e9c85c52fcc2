// Rotator006: an indestructible hub turning four indestructible arms around itself.
#pragma once

#include "objects/enemy.h"

#include <array>
#include <cstdint>

namespace rotator006 {

// Hurts the ship by contact only; its hub places it.
class arm_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}
};

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}
    void set_arms(arm_t* arm0, arm_t* arm1, arm_t* arm2, arm_t* arm3);

    std::array<arm_t*, 4> arms{};
    int32_t angle = 0;
    float radius = 0;
    int32_t phase = 0;
    uint32_t timer = 0;

  private:
    // Turns by s, then arm k stands at angle + 16k, facing out.
    void place_arms(int32_t s);
};

} // namespace rotator006
