// The screen and sprite manager: the presenter over the 256 x 256 back buffer, the main game screen,
// the 256 x 256 layer and the four background layers, the sprite table with its surfaces, scrolling,
// fades and presenting. One of it, g_screenctr, lives for the whole run.
#pragma once

#include "platform/types.h"
#include "screen/sprite_record.h"

#include <cstdint>

namespace umlib {
class draw_t;
}
class mg_t;
class cg_t;
class bg_t;

// The loading-progress callback: the window and a percentage.
using progress_callback_t = void (*)(plat::hwnd_t window, int percent);

constexpr int background_layer_count = 4;

class screenctr_t {
  public:
    screenctr_t();
    ~screenctr_t();
    screenctr_t(const screenctr_t&) = delete;
    screenctr_t& operator=(const screenctr_t&) = delete;

    // mode: a display-mode word, 0 for the window.
    bool create(plat::hwnd_t window, int32_t mode, int32_t blit_scale);
    // Takes everything down; a manager that was never created is left as it is.
    void destroy();

    bool load_sprites(const char* path);
    bool restore_sprites();
    void release_sprites();
    // The first record whose path is exactly this text, or -1.
    int find_sprite(const char* path) const;
    int count_sprites() const;

    void update_view();
    void clear_layers();
    void scroll_x(int32_t dx);
    void scroll_y(int32_t dy);
    void reset_scroll();
    void swap_layers(int a, int b);
    void restore_layers();
    // Moves the visible area toward a pixel value of the current format; weight in 256ths.
    void fade(uint32_t colour, int32_t weight);
    // Shows rows 8 to 247 of the back buffer at the blit scale.
    void present();

    umlib::draw_t* presenter = nullptr;
    mg_t* mg = nullptr;
    cg_t* cg = nullptr;
    bg_t* layers[background_layer_count] = {};
    bg_t* saved_layers[background_layer_count] = {};
    bg_t* hidden_layer = nullptr; // one of layers[] that the world draw leaves out, or null
    sprite_record_t sprites[sprite_table_size];
    progress_callback_t progress = nullptr;
    int32_t scroll_pos_x = 0;
    int32_t scroll_pos_y = 0;
    int32_t mode = 0;
    int32_t blit_scale = 1;

  private:
    void reset();
    bool create_presenter(plat::hwnd_t window);
    bool create_layers();
    void report_sprite_progress(int loaded, int named);
};

extern screenctr_t g_screenctr;
