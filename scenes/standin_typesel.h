// Stand-in for the ship-type select scene until it is built: shows "SHIP SELECT" and returns to the title.
#pragma once

#include "play/standin_scene.h"

#include <cstdint>

class typesel_scene_t : public standin_scene_t {
  public:
    typesel_scene_t(int32_t*, int32_t*) : standin_scene_t("SHIP SELECT") {}
};
