// Drip missiles: a pair that drifts forward while the lower one falls and the upper one rises, ever
// faster, dying at the first terrain contact.
#pragma once

#include "player/player_missile.h"

class drip_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void start() override;
    void check_bg_hit() override;

    float fall_speed = 0; // away from the ship's line, pixels per frame
    uint32_t age = 0;     // updates since the start

  protected:
    // One drip step, upward when rising.
    void drip(bool rising);
};

class upper_drip_missile_t : public drip_missile_t {
  public:
    using drip_missile_t::drip_missile_t;

    void update() override;
};

class lower_drip_missile_t : public drip_missile_t {
  public:
    using drip_missile_t::drip_missile_t;

    void update() override;
};
