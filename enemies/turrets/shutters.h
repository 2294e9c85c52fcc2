// The shutters: indestructible moving scenery. shutter001 opens and closes on a fixed cycle; shutter002
// unrolls a column of eight slats from its body once on screen; shutter003 is a gate whose halves slide
// apart when the ship comes near.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

// What every shutter piece shares: it cannot be hurt and shows or hides itself through its own image.
class shutter_t : public enemy_t {
  public:
    shutter_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : enemy_t(info, x, y, key), image(info->image_id) {}

    void damage(int32_t) override {}
    int32_t image_id() override { return image; }

    int32_t image; // -1: not drawn
};

namespace shutter001 {

class body_t : public shutter_t {
  public:
    using shutter_t::shutter_t;

    void update() override;

    int32_t state = 0; // 0 opening, 1 open, 2 closing, 3 closed
    uint32_t timer = 0;
};

} // namespace shutter001

namespace shutter002 {

class slat_t : public shutter_t {
  public:
    using shutter_t::shutter_t;

    // Shown from its first frame on screen.
    void update() override;

    slat_t* next = nullptr;
    int32_t state = 0;
    uint32_t timer = 0;
};

class body_t : public shutter_t {
  public:
    using shutter_t::shutter_t;

    void update() override;

    slat_t* first = nullptr;
    int32_t travel = 0; // pixels the first slat goes from the body
    float speed = 0;    // positive unrolls downward
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One frame of unrolling along way (+1 down, -1 up); true once the first slat is at its end.
    bool unroll(int32_t way);
};

} // namespace shutter002

namespace shutter003 {

class body_t : public shutter_t {
  public:
    using shutter_t::shutter_t;
};

// Slides up to y = 16 once the ship is near.
class upperbody_t : public body_t {
  public:
    using body_t::body_t;

    void update() override;

    float speed = 0;
    int32_t state = 0;
    uint32_t timer = 0;
};

// Slides down to y = 240 once the ship is near.
class lowerbody_t : public body_t {
  public:
    using body_t::body_t;

    void update() override;

    float speed = 0;
    int32_t state = 0;
    uint32_t timer = 0;
};

} // namespace shutter003
