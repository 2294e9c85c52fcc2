// Twinbarrel: a heavy gun craft that hops to the ship's height at the right of the screen, fires a pair of
// trailing laser bolts after every hop, smokes when badly hurt, retreats a section after it appeared, and
// bursts into a ring of shots when destroyed at higher levels.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

class smoke_t;

namespace twinbarrel {

// One piece of a three-piece bolt: the head runs, the pieces behind trail it at most 15 pixels apart.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void move_x(int32_t) override {}
    // Starting a piece starts every piece behind it at its position.
    void start() override;
    // Killing a piece kills every piece ahead of it: the last one leaving the screen ends the bolt.
    void kill() override;

    laser_t* front = nullptr; // the piece ahead; null for the head
    laser_t* tail = nullptr;  // the piece behind; null for the last
};

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(64);
        lasers.reserve(8);
    }

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void get_rect(plat::rect_t& out) override;
    void damage(int32_t n) override;

    int32_t tilt = 0; // -3..3
    uint8_t arrived = 1;
    float hop_start_y = 0;
    float half_offset_y = 0;
    float hop_angle = 0;
    float hop_step = 0;
    std::vector<smoke_t*> smokes;  // in the stage's explosion list
    std::vector<missile_t*> shots; // the death ring, in the stage's enemy-shot list
    std::vector<laser_t*> lasers;  // bolt heads, in the stage's enemy-shot list
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One frame of the hop; true when it has ended (without a move that frame).
    bool hop();
    void fire_pair();
    void fire_ring();
    void smoke();
};

} // namespace twinbarrel
