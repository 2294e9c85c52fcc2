// The mothership's rotating beam: a control that lays 64 flash segments along a turning line, widens them
// while it lives and thins them away after its kill.
#pragma once

#include "objects/explosion.h"

class longflash_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void start() override;
    // The control drives it.
    void update() override {}

    int32_t base_pattern = 0;
};

class longflash_control_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void start() override;
    // Only begins the fade: the beam thins away by itself.
    void kill() override { ending = 1; }
    void update() override;

    uint8_t ending = 0;
    longflash_t* flashes[64] = {};
    int32_t angle = 0;    // degrees, 0..359
    int32_t interval = 0; // frames per degree step
    float origin_x = 0;
    float origin_y = 0;
    float length = 0;
    uint32_t timer = 0; // updates since construction

  private:
    void place_flashes();
    void turn();
    void set_width(int32_t k);
    void change_width();
};
