// The ship-type select: four ship panels and two multiple-controller panels glide in, the cursor keys
// choose, Enter confirms and lets the controller go on with the queued game; the choice is written into
// the play settings when the scene goes.
#pragma once

#include "objects/motion.h"
#include "play/scene.h"

#include <cstdint>

class typesel_scene_t : public scene_t {
  public:
    static constexpr int32_t type_count = 4;
    static constexpr int32_t option_count = 2;

    typesel_scene_t(int32_t* ship_type_out, int32_t* option_type_out);
    // Writes the chosen ship type and option type, also after Escape.
    ~typesel_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;

    int32_t* ship_type_out;
    int32_t* option_type_out;
    int32_t type_cursor = 0;
    int32_t option_cursor = 0;
    int32_t logo_sprite = -1;
    int32_t panel_sprites[type_count] = {-1, -1, -1, -1};
    int32_t frame_sprite = -1;
    int32_t option_sprite = -1;
    motion_t panels[type_count + option_count];
    uint32_t blink = 0;
    uint32_t countdown = 0;

  private:
    void draw_type_panel(int32_t i);
    void draw_option_panel(int32_t j);
    void release_bgm();
};
