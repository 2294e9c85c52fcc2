// Stand-in for the recording play scene until it is built: shows "RECORD PLAY" and returns to the title.
#pragma once

#include "play/standin_scene.h"

struct playinfo_t;
struct userinfo_t;
class ranking_t;

class recplay_scene_t : public standin_scene_t {
  public:
    recplay_scene_t(playinfo_t*, userinfo_t*, ranking_t*, const char*) : standin_scene_t("RECORD PLAY") {}
};
