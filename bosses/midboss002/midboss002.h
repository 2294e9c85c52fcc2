// Midboss002: a large carrier that creeps left in surges firing laser pairs at two points of its flap,
// and once a surge begins near the left edge brakes, turns back and retreats right fanning out balls.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

class jet_t;

namespace midboss002 {

class laser_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        balls.reserve(16);
        straight_shots.reserve(4);
        lasers.reserve(32);
    }

    void update() override;
    void move_x(int32_t) override {}
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    void damage(int32_t n) override;

    // Leaves play without explosion, score or item, its flames with it.
    void leave();
    // n balls in a fan around straight left.
    void fire_fan(int32_t n);
    // The laser pairs at the flap of angle index p; the outer pair veers off when spreading.
    void fire_lasers(int32_t p, bool spreading);

    jet_t* jets[4] = {};
    std::vector<missile_t*> balls; // in the stage's enemy-shot list
    std::vector<missile_t*> straight_shots;
    std::vector<laser_t*> lasers;
    int32_t fan_count = 0;
    float speed = 0; // leftward; negative moves right
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // Runs the state; true when it changed. divisor: frames per flap step in it.
    bool run_state(bool& volley, bool& left, uint32_t& divisor);
};

class ball_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override;
    void move_x(int32_t) override {}

    uint32_t age = 0;
};

class laser_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override;
    void start() override;
    void kill() override;

    float base_speed = 0;
    uint8_t spreading = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    bool run_state();
};

// The cosine of the flap angle of pattern p (0..31): 1 at 0, 0 at 16, about -1 at 31.
float flap(int32_t p);

} // namespace midboss002
