// The title: the maker logo, a fade through grey to the title picture and its six-item menu with the
// title music, the hand-over to the attract demo after an idle while, and a hidden code for the ending.
#pragma once

#include "play/scene.h"

#include <cstdint>

class title_scene_t : public scene_t {
  public:
    static constexpr int32_t code_length = 6;
    static constexpr int32_t item_count = 6;

    // Forces the vertical-blank wait while the title exists; the kept value returns afterwards.
    title_scene_t();
    ~title_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;

    void draw_title();
    void draw_menu();
    void draw_menu_item(int32_t x, int32_t y, int32_t item, bool selected);

    int32_t fade = 0;
    int32_t logo_sprite = -1;
    int32_t title_sprite = -1;
    int32_t menu_sprite = -1;
    int32_t cursor = 0;
    int32_t code_pos = 0;
    uint32_t code[code_length] = {};
    uint8_t saved_vsync = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One frame of the current state; false when the state was left and the next one runs at once.
    bool run_state();
    void enter(int32_t next);
    void draw_logo_blended();
    void run_item();
    void match_code(int32_t virtual_key);
    void release_bgm();
};
