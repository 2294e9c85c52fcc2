// Stand-in for the ranking scene until it is built: shows "RANKING" and returns to the title.
#pragma once

#include "play/standin_scene.h"

class ranking_t;

class ranking_scene_t : public standin_scene_t {
  public:
    explicit ranking_scene_t(ranking_t*) : standin_scene_t("RANKING") {}
};
