// The vertical missile: it drops straight down until it finds ground, then runs along the floor.
#pragma once

#include "player/player_missile.h"

class vertical_missile_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void update() override {}
};

class lower_vertical_missile_t : public vertical_missile_t {
  public:
    using vertical_missile_t::vertical_missile_t;

    static constexpr uint32_t dropping = 0;
    static constexpr uint32_t running = 1;

    void start() override;
    void update() override;

    uint32_t drop_state = 0; // dropping or running along the floor
    int32_t heading = 0;
};

// The floor state machine at position: the heading that follows the given one.
int32_t vertical_crawl(const float* position, int32_t heading);
