// Stand-in for the ending scene until it is built: shows "ENDING" and returns to the title.
#pragma once

#include "play/standin_scene.h"

struct playinfo_t;
class ranking_t;

class ending_scene_t : public standin_scene_t {
  public:
    ending_scene_t(playinfo_t*, ranking_t*) : standin_scene_t("ENDING") {}
};
