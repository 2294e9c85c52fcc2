// A background layer: an off-screen layer of the screen manager that the scenery is drawn on.
#pragma once

#include "screen/vscreen.h"

class bg_t : public vscreen_t {
  public:
    bg_t(umlib::draw_t* device, int size_code) : vscreen_t(device, size_code) {}
};
