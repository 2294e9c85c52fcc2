// Stand-in for the play scene until it is built: shows "PLAY" and returns to the title.
#pragma once

#include "play/standin_scene.h"

struct playinfo_t;
struct userinfo_t;
class ranking_t;

class play_scene_t : public standin_scene_t {
  public:
    play_scene_t(playinfo_t*, userinfo_t*, ranking_t*) : standin_scene_t("PLAY") {}
};
