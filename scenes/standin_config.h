// Stand-in for the settings scene until it is built: shows "SETTINGS" and returns to the title.
#pragma once

#include "play/standin_scene.h"

struct config_t;
class ranking_t;
struct userinfo_t;

class config_scene_t : public standin_scene_t {
  public:
    config_scene_t(config_t*, ranking_t*, userinfo_t*) : standin_scene_t("SETTINGS") {}
};
