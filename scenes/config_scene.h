// The settings scene: a working copy of the configuration edited on two pages of text lines (display,
// game and sound settings; key assignment), applied on <OK> and dropped on ESC.
#pragma once

#include "platform/types.h"
#include "play/scene.h"
#include "scenes/config.h"
#include "scenes/config_sound.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ranking_t;
struct userinfo_t;

// The screen mode, blit scale and refresh mode the program runs with: read only at start-up, so the
// first settings scene of the run records them (while the blit scale is still 0).
struct settings_in_effect_t {
    int32_t screen_mode = 0;
    int32_t blt_scale = 0;
    int32_t refresh_mode = 0;
};
extern settings_in_effect_t g_settings_in_effect;

class config_scene_t : public scene_t {
  public:
    // Action lines after the 21 field lines.
    enum line_t : int32_t {
        line_init_ranking = 21,
        line_default = 22,
        line_key_assign = 23,
        line_back = 24,
        line_ok = 37,
    };

    // sound: null for the sound manager itself.
    config_scene_t(config_t* config, ranking_t* ranking, userinfo_t* userinfo,
                   config_sound_t* sound = nullptr);
    ~config_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;

    // The text a line shows now.
    std::string line_text(int32_t line) const;
    // Whether the working copy's screen mode, refresh mode or blit scale differs from those in effect.
    bool needs_restart() const;

    config_t* config;
    std::array<int32_t, config_field_count> values;
    ranking_t* ranking;
    std::vector<int32_t> pages[2];
    int32_t page = 0;
    userinfo_t* userinfo;
    int32_t current_line = 0;
    int32_t mode_index = 0;
    int32_t background = -1;
    int32_t char_sheet = -1;
    int32_t equipment_icons = -1;
    uint8_t init_ranking = 0;
    plat::hfont_t font = nullptr;

  private:
    // The working copy and its screen mode's table position from a whole record.
    void take_values(const config_t& from);
    void change_value(int32_t key);
    void capture_key(int32_t key);
    void apply();
    void draw_line(int32_t line, int32_t y);
    void draw_equipment_icons();
    void draw_restart_note();

    config_sound_t own_sound_;
    config_sound_t* sound_;
};
