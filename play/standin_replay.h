// Stand-ins for the replay and demo scenes until they are built: they load the replay file as the real
// ones do (its play settings become the controller's, a bad file fails the scene) and show their name.
#pragma once

#include "play/standin_scene.h"

struct playinfo_t;
class ranking_t;

class replay_scene_t : public standin_scene_t {
  public:
    // Throws, with the title queued and a boot-log line, when the file cannot be read.
    replay_scene_t(playinfo_t* settings, ranking_t* ranking, const char* path);

  protected:
    replay_scene_t(const char* name, playinfo_t* settings, const char* path);
};

class demo_scene_t : public replay_scene_t {
  public:
    demo_scene_t(playinfo_t* settings, ranking_t*, const char* path)
        : replay_scene_t("DEMO", settings, path) {}
};
