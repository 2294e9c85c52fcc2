// Stand-in for the title scene until it is built: shows "TITLE" and returns to the title.
#pragma once

#include "scenes/standin_scene.h"

class title_scene_t : public standin_scene_t {
  public:
    title_scene_t() : standin_scene_t("TITLE") {}
};
