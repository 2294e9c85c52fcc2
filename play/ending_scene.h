// The ending: the ending stage played in a letterbox without score or gauge; a confirmation after a while
// fades it out, types the closing message for the run just completed, and hands over to the next loop.
#pragma once

#include "platform/types.h"
#include "play/play_scene.h"

#include <cstdint>

class ending_scene_t : public play_scene_t {
  public:
    // The level and loop are the run's own: the controller raises the settings' only afterwards.
    ending_scene_t(playinfo_t* settings, ranking_t* ranking);
    ~ending_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t key) override;
    void draw_value(int32_t col, int32_t row) override;
    void draw_overlay_text(int32_t col, int32_t row) override;
    void draw_high_score() override {}
    void draw_hud() override {}
    // Puts back the clip rectangle the start-up found, when it got as far as saving it.
    void restore_clip();

    plat::rect_t saved_clip;
    bool clip_saved = false;
    uint32_t countdown = 0;
    int32_t level;
    int32_t loop;

    static constexpr uint32_t confirm_from = 1200;
    static constexpr uint32_t closing_frames = 400;
    static constexpr uint32_t message_at = 336;
};
