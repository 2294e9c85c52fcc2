// The SAM: a homing missile that no shot stops; it burns its fuel in steps, leaves smoke puffs and ends
// in a burst that hurts only in its first frames.
#pragma once

#include "objects/enemy.h"

#include <array>
#include <cstdint>

namespace sam_parts {

// A smoke puff: a row of the puff sheet chosen by the missile, run through once.
class smoke_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void start() override;
    void damage(int32_t) override {}

    int32_t counter = 0;
    int32_t size = 0; // row of the sheet
    int32_t step = 0; // column, 0..7
};

class Burst : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void start() override;
    void damage(int32_t) override {}
    // Harmful in its first three frames only.
    int32_t contact_damage() override;

    int32_t counter = 0;
};

} // namespace sam_parts

class Sam : public enemy_t {
  public:
    using smoke_t = sam_parts::smoke_t;
    using Burst = sam_parts::Burst;

    using enemy_t::enemy_t;

    void update() override;
    // Bursts: no explosion of its own.
    void kill() override;
    void damage(int32_t) override {}

    int32_t direction = 0;
    int32_t fuel = 9;
    std::array<smoke_t*, 10> smokes{};
    Burst* burst = nullptr;
    uint32_t counter = 0;

  private:
    void emit_smoke();
};
