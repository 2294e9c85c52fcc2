// Worm001: a homing worm of 4p parts that wriggles towards the ship with a pulsing speed; its bodies
// follow the head's history, and a worm held dormant by a larger enemy fades in when started.
#pragma once

#include "enemies/worms/chain.h"

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>

namespace worm001 {

class head_t;

class part_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t n) override;
    int32_t blend_mode() override { return fade; }

    part_t* front = nullptr;
    part_t* back = nullptr;
    int32_t fade = 0; // 0 opaque .. 256 invisible
    int32_t bank = 0; // added to the heading's pattern
};

class head_t : public part_t {
  public:
    using part_t::part_t;

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Revives a dormant worm: the whole chain on the head, fading in from the head.
    void start() override;
    // n parts; a history of 4n entries, all at the head.
    void set_length(int32_t n);

    poslog_t trail;
    int32_t dir = 0;
    int32_t length = 0;
    uint32_t clock = 0;
};

class body_t : public worm::follower_t<part_t, head_t> {
  public:
    using follower_t::follower_t;

    // Dies 4 frames after the part in front; passes the fade on down the chain.
    void update() override;
};

} // namespace worm001
