// The exhaust flame behind the ship: a four-pattern flicker that the ship places and scales.
#pragma once

#include "objects/object.h"

class shipjet_t : public object_t {
  public:
    explicit shipjet_t(const objectinfo_t* info) : object_t(info, 0, 0) {}

    void update() override;
    // The flame stands 2 pixels behind and 1 above the point it is given.
    void set_position(float new_x, float new_y) override;
    int32_t scale() override { return draw_scale; }

    int32_t draw_scale = 100; // percent; the ship sets it during a warp-in
};
