// The objects of the ending sequence: they move themselves, ignore the scroll and cannot be hurt.
#pragma once

#include "objects/enemy.h"

// Like the window markers, they ignore the scroll and every hit.
using ending_object_t = enemy_skipper_t;

// Rises 0.2 pixel per frame.
class ending_object001_t : public ending_object_t {
  public:
    using ending_object_t::ending_object_t;

    void update() override;
};

// Rises to y = 128, then fades out; the draw effect follows the fade.
class ending_object002_t : public ending_object_t {
  public:
    using ending_object_t::ending_object_t;

    void update() override;
    int32_t blend_mode() override { return fade; }

    int32_t fade = 256;
};

// The ship leaving at the end: a slow rise, a pause, an animation in place, then a faster and faster climb.
class ending_object_shipeject_t : public ending_object_t {
  public:
    using ending_object_t::ending_object_t;

    void update() override;

    uint32_t counter = 0;
};
