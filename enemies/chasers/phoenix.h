// The phoenixes: a bird that hatches where it stands, untouchable and harmless, then flies left firing
// fans at the ship; and its nest, which drifts left and lets out four birds when destroyed.
#pragma once

#include "objects/enemy.h"

#include <array>
#include <cstdint>
#include <vector>

class missile_t;

namespace phoenix001 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(16);
    }

    void update() override;
    // Ignored while hatching.
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }
    int32_t contact_damage() override;

    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    int32_t state = 0;             // 0 hatching, 1 flying
    uint32_t state_timer = 0;

  private:
    void fire_fan(int32_t n);
};

} // namespace phoenix001

namespace phoenix002 {

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    // Its death lets out the birds.
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    std::array<phoenix001::body_t*, 4> children{};
    uint32_t counter = 0;
};

} // namespace phoenix002
