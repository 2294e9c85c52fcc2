// Rotator004: glides in from the right, stops, and five times turns to the ship and fires fans of three
// surging lasers, shielded until it first faces the ship; then turns left and leaves.
#pragma once

#include "enemies/rotators/rotator_kit.h"

namespace rotator004 {

// 3.0, easing to 1.5, and surging back to 3.0.
class laser_t : public rotators::laser_t {
  public:
    using rotators::laser_t::laser_t;

    void update() override;
};

// The facing is the pattern itself.
class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(64);
    }

    void update() override;
    // Hits only sound while shielded.
    void damage(int32_t n) override;

    uint8_t shielded = 1;
    int32_t move_dir = 0;
    int32_t target = 0;
    float speed = 0;
    std::vector<missile_t*> lasers; // in the stage's enemy-shot list
    uint32_t volleys = 0;
    rotators::phases_t p;

  private:
    void step(int32_t phase);
    void fire_fan();

    bool fan_asked = false;
};

} // namespace rotator004
