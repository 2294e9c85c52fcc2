// Battery004: a laser emplacement facing one of the four axes that, once on screen, charges for 32
// frames, fires a beam of 32 segments growing out of its muzzle and rests for 128, over and over.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>

namespace battery004 {

class laser_t;

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t n) override;
    // Keeps the head and owns every segment of its chain.
    void attach_lasers(laser_t* head);
    // 18 pixels along the facing direction (0, 16, 32 or 48).
    void muzzle_point(int32_t direction, float& mx, float& my) const;
    // The head from the muzzle, unless the previous beam's head still flies.
    void fire();

    laser_t* laser = nullptr;
    int32_t state = 0; // 0 wait, 1 charge, 2 fire, 3 rest
    uint32_t timer = 0;

  private:
    int32_t facing_direction() const { return (pattern & 3) * 16; }
};

// A segment: the head flies straight; each follower rides a fixed gap behind the one ahead and, once
// clear of the muzzle, launches the one behind it.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;

    laser_t* prev = nullptr;
    laser_t* next = nullptr;
};

} // namespace battery004
