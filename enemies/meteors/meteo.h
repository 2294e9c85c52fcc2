// Meteors: rocks of three sizes that drift toward the left middle of the screen, spin, and break into the
// next smaller size, and the controller that keeps a stream of small ones coming.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class meteo_t : public enemy_t {
  public:
    // Heads for (32, 128) from where it is made.
    meteo_t(const objectinfo_t* info, float x, float y, uint32_t key);

    // Flies on; leaving the area kills it quietly.
    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    float start_x;
    float start_y;
    int32_t direction;
    float speed = 0;
    uint8_t reverse_spin = 0;

  protected:
    // One pattern on or back every step frames, over count patterns.
    void spin(uint32_t step_mask, int32_t count);
};

class smeteo_t : public meteo_t {
  public:
    using meteo_t::meteo_t;

    void update() override;
    void damage(int32_t n) override;
};

class mmeteo_t : public meteo_t {
  public:
    using meteo_t::meteo_t;

    void update() override;
    // Breaks into its four small meteors.
    void kill() override;
    // Stores the child in the first free slot, switched off; a fifth is ignored.
    void add_child(smeteo_t* child);

    smeteo_t* children[4] = {};
};

class lmeteo_t : public meteo_t {
  public:
    using meteo_t::meteo_t;

    void update() override;
    // Breaks into its four medium meteors.
    void kill() override;
    void add_child(mmeteo_t* child);

    mmeteo_t* children[4] = {};
};

// Restarts every meteor of its stream that has gone, aimed at a target that sweeps up and down.
class smeteo_rush_t : public enemy_t {
  public:
    smeteo_rush_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        meteors.reserve(16);
    }

    void update() override;
    void damage(int32_t) override {}

    std::vector<smeteo_t*> meteors; // in the stage's enemy lists
    float speed = 0;
    float target_x = 0;
    float target_y = 0;
    int32_t state = 0; // 0 arm, 1 accelerate, 2 sweep up, 3 sweep down
    uint32_t timer = 0;

  private:
    // Whether the state changed, so that the new one runs in the same frame.
    bool run_state();
    void aim_idle();
};
