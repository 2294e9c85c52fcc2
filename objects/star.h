// A dot of the background star field: it scrolls at its own share of the scroll and wraps around a
// 256-pixel square, so layers of stars give depth.
#pragma once

#include "objects/object.h"

class star_t : public object_t {
  public:
    using object_t::object_t;

    void move_x(int32_t d) override { x = wrapped(x + d * h_factor); }
    void move_y(int32_t d) override { y = wrapped(y + d * v_factor); }
    void move_y_wrapped(int32_t d) override { move_y(d); }
    void damage(int32_t) override {}

    float v_factor = 0;
    float h_factor = 0;

  private:
    // One correction each way, so 256 itself stays.
    static float wrapped(float v) {
        if (v < 0) {
            v += 256;
        }
        if (v > 256) {
            v -= 256;
        }
        return v;
    }
};
