// Rotator002: a jet-driven dasher that alternates aimed dashes, with a short spread at the start of its
// first, and laser volleys; after a section it turns about and dashes off the screen.
#pragma once

#include "enemies/rotators/rotator_kit.h"

class jet_t;

namespace rotator002 {

// Speeds up from 1.0 to 2.0 after 16 frames.
class laser_t : public rotators::laser_t {
  public:
    using rotators::laser_t::laser_t;

    void update() override;
};

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        bullets.reserve(8);
        lasers.reserve(8);
    }

    void update() override;
    // The jet goes out with it.
    void kill() override;
    void damage(int32_t n) override;

    jet_t* jet = nullptr;
    int32_t dir = 0;
    int32_t target = 0;
    float speed = 0;
    std::vector<missile_t*> bullets; // in the stage's enemy-shot list
    std::vector<missile_t*> lasers;
    uint32_t dashes = 0;
    rotators::phases_t p;

  private:
    // Turns one step; true while it still had to turn.
    bool turning();
    // One move of the dash; false once it has run down.
    bool dash();
    void step(int32_t phase);
    void fire_bullet();
    void fire_laser();

    bool bullet_asked = false;
    bool laser_asked = false;
};

} // namespace rotator002
