// The title's attract mode: a built-in replay with a blinking caption and the score ranking over it,
// ending by itself after a while or on almost any key.
#pragma once

#include "play/replay_scene.h"

class demo_scene_t : public replay_scene_t {
  public:
    demo_scene_t(playinfo_t* settings, ranking_t* ranking, const char* path)
        : replay_scene_t(settings, ranking, path) {}

    void frame() override;
    void on_key(int32_t key) override;
    void draw_high_score() override {}
    void draw_mode_overlay() override;

    static constexpr uint32_t last_frame = 4608;
};
