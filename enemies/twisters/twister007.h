// Twister007, the diver: it dives armoured towards the middle line, brakes, then turns left and speeds
// up, scattering slow drifting missiles from its pool of 32 in turn.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace twister007 {

class body_missile_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        missiles.reserve(4);
    }

    void update() override;
    void damage(int32_t n) override;
    // The missile in turn, unless it still flies.
    void fire();

    int32_t downward = 0;
    float speed = 0;
    uint8_t armoured = 1;
    std::vector<body_missile_t*> missiles; // in the stage's enemy-shot list
    int32_t next_missile = 0;
    int32_t state = 0; // 0 begin, 1 dive, 2 turn, 3 cruise
    uint32_t timer = 0;

  private:
    // The state's step; true when it changed and the next state runs in the same frame.
    bool run_state(bool& firing, uint32_t& spin_period);
};

// Drifts with the scroll and flickers through four patterns.
class body_missile_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;

    uint32_t anim_clock = 0;
};

} // namespace twister007
