// The tentacle001: a jointed arm of five segments and a spore-firing hand, rooted in a core that lays it
// out every frame and curls it one joint at a time towards the ship, each joint within 4 direction steps
// of the one inside it. When the hand dies the arm dies joint by joint back to the core.
#pragma once

#include "objects/enemy.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tentacle001 {

class core_t;

class seg_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Dies on the fifth frame after the link outside it died.
    void update() override;
    void damage(int32_t n) override;
    // The whole arm flashes when the hand is hit.
    bool is_flashing() override;

    core_t* core = nullptr;
    seg_t* prev = nullptr; // towards the core
    seg_t* next = nullptr; // towards the hand
    int32_t direction = 0; // read & 63
    int32_t countdown = 0;
};

class spore_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t n) override;

    int32_t direction = 0;
};

class hand_t : public seg_t {
  public:
    using seg_t::seg_t;

    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return object_t::is_flashing(); }

    std::vector<spore_t*> spores;
    uint32_t shot_clock = 0;

  private:
    void fire();
};

class core_t : public enemy_t {
  public:
    core_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    bool is_flashing() override;

    struct half_link_t {
        float x;
        float y;
    };

    seg_t* first = nullptr;
    hand_t* hand = nullptr;
    std::array<half_link_t, 64> half_links{}; // 10 pixels along each direction
    float stretch = 1.0f;
    int32_t base_direction = 0;
    int32_t state = 0;
    int32_t timer = 0;

  private:
    void steer(const float* ship);
    void lay_out();
};

} // namespace tentacle001
