// Stand-in for the game-over scene until it is built: shows "GAME OVER" and returns to the title.
#pragma once

#include "play/standin_scene.h"

class ranking_t;

class gameover_scene_t : public standin_scene_t {
  public:
    explicit gameover_scene_t(ranking_t*) : standin_scene_t("GAME OVER") {}
};
