// Homing missiles: a pair launched up and down that each chase the nearest live enemy on screen.
#pragma once

#include "player/player_missile.h"

class homing_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void start() override;
    // Turns one step a frame toward its target, choosing again when the target is gone or has been chased for
    // 256 frames, and flies on at 3 pixels a frame.
    void update() override;
    void check_bg_hit() override;
    // The nearest live enemy on screen in the stage's first enemy list that can be destroyed; null while no
    // stage is loaded.
    object_t* find_target();

    object_t* target = nullptr; // not owned
    uint32_t lock_frames = 0;   // turning frames spent on the current target
};

class upper_homing_missile_t : public homing_missile_t {
  public:
    using homing_missile_t::homing_missile_t;

    void start() override;
};

class lower_homing_missile_t : public homing_missile_t {
  public:
    using homing_missile_t::homing_missile_t;

    void start() override;
};
