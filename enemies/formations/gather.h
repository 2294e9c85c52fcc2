// The gathering ring: up to sixteen objects that appear faded on a ring round the ship, fade in, rush
// inward together, solid and vulnerable for a while, and fade out still flying. The leader places the
// ring on its first update and then behaves as a member.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

namespace gather {

class member_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}
    // Only while solid.
    void damage(int32_t n) override;
    int32_t contact_damage() override;
    // 256 unseen .. 0 solid.
    int32_t blend_mode() override { return fade; }

    member_t* next = nullptr;
    int32_t direction = 0;
    int32_t fade = 256;
    int32_t state = 0; // 0 waiting, 1 fading in, 2 rushing and fading out
    uint32_t timer = 0;
};

class leader_t : public member_t {
  public:
    using member_t::member_t;

    void update() override;

    int32_t formed = 0;
};

} // namespace gather
