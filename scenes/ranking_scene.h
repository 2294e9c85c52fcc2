// The ranking display: the 30 best runs over the menus' background, fading in, until any key returns to
// the title.
#pragma once

#include "play/scene.h"

#include <cstdint>

class ranking_t;

class ranking_scene_t : public scene_t {
  public:
    explicit ranking_scene_t(ranking_t* ranking) : ranking(ranking) {}

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;

    ranking_t* ranking;
    int32_t timer = 0; // 16 bits: the fade starts again after 65536 frames
    int32_t background = -1;
};
