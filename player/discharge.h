// The flash played around the ship when it picks up a power-up and while it dies: eight patterns of
// three frames each.
#pragma once

#include "objects/object.h"

class discharge_t : public object_t {
  public:
    explicit discharge_t(const objectinfo_t* info) : object_t(info, 0, 0) {}

    void update() override;
    int32_t scale() override { return draw_scale; }
    void start() override;

    int32_t draw_scale = 100; // percent; the ship sets it during a warp-in
    uint32_t counter = 0;     // frames since the start
};
