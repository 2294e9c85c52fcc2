// Midboss003: a cruiser that enters from the right, brakes, fans slow balls toward the ship's side and,
// from level 5, fires accelerating lasers for 288 frames, then lights its engines and leaves left;
// it can be hurt only from its attack on, and bursts into a ring of shots from level 3.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

class explosion_t;
class jet_t;

namespace midboss003 {

class ball_t;

class body_t : public enemy_t {
  public:
    // Draws one random number, for the starting pattern.
    body_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t) override {}
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    void damage(int32_t n) override;

    void fire_balls(int32_t n);
    void fire_lasers();
    void burst();

    jet_t* upper_jet = nullptr;
    jet_t* lower_jet = nullptr;
    explosion_t* muzzle = nullptr;
    float speed = 0; // leftward
    std::vector<ball_t*> balls;
    std::vector<missile_t*> lasers; // in the stage's enemy-shot list
    std::vector<missile_t*> ring_shots;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // Runs the state; true when it changed. divisor: frames per pattern step, 32 or more for none.
    bool run_state(int32_t& fan, bool& laser_pair, bool& gone, uint32_t& divisor);
    void set_jets(bool lit);
};

// A slow ball that drifts, then speeds up along its direction and spins; dormant until its body fires it.
class ball_t : public enemy_t {
  public:
    ball_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        alive = 0;
        hp = 0;
    }

    void update() override;
    void start() override;
    void damage(int32_t n) override;

    int32_t direction = 0;
    float speed = 0;
    uint32_t age = 0;
};

// A laser that moves straight left whatever its direction, from 0.1 up to 3 pixels per frame.
class body_laser_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override;
    void start() override;
};

} // namespace midboss003
