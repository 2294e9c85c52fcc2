#include "scenes/config_scene.h"

#include "platform/gdi.h"
#include "platform/keyboard.h"
#include "play/ranking.h"
#include "play/scenectr.h"
#include "play/userinfo.h"
#include "player/powergauge.h"
#include "scenes/config_lines.h"
#include "scenes/display_mode.h"
#include "scenes/draw_sprite.h"
#include "scenes/key_name.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"
#include "umlib/text_out.h"

#include <algorithm>
#include <cstdio>

settings_in_effect_t g_settings_in_effect;

namespace {

constexpr int32_t key_sound = 9;
constexpr int32_t line_equipment = 8;
constexpr int32_t first_key_line = 16;
constexpr int32_t pause_key_line = 20;
constexpr int32_t line_left = 8;
constexpr int32_t first_line_top = 12;
constexpr int32_t line_height = 10;
constexpr int32_t lowest_volume = -10000;
constexpr int32_t highest_volume = 1000;
constexpr int32_t volume_step = 100;

constexpr plat::colorref_t disabled_colour = plat::rgb(64, 64, 64);
constexpr plat::colorref_t line_colour = plat::rgb(128, 128, 128);
constexpr plat::colorref_t cursor_colour = plat::rgb(255, 255, 255);
constexpr plat::colorref_t cursor_paper = plat::rgb(64, 64, 255);
constexpr plat::colorref_t note_colour = plat::rgb(64, 255, 128);

// A field's line: its format, and for a two-way line the words for 0 and for any other value.
struct field_line_t {
    const char* format;
    const char* zero = nullptr;
    const char* other = nullptr;
};

constexpr int32_t line_level = 5;

const field_line_t field_lines[config_field_count] = {
    {"SCREEN MODE   : WINDOW"},
    {"BLT SCALE     : %d"},
    {"REFRESH MODE  : %s", "VSYNC", "TIMER"},
    {"STAGE         : %d"},
    {"SECTION       : %d"},
    {"LEVEL         : %d%s"},
    {"LOOP          : %d"},
    {"LIFE          : %d"},
    {"EQUIPMENT     :"},
    {"POWER UP      : %s", "ITEM", "CAPSULE"},
    {"POWER DOWN    : %s", "LOSE ALL", "LEAVE ITEMS"},
    {"BGM           : %s", "ON", "OFF"},
    {"BGM VOLUME    : %ddB"},
    {"SE VOLUME     : %ddB"},
    {"REVERB        : %s", "OFF", "ON"},
    {"JOYSTICK      : %s", "OFF", "ON"},
    {"SHOT KEY      : %s"},
    {"MISSILE KEY   : %s"},
    {"POWERUP KEY   : %s"},
    {"MULTIPLE KEY  : %s"},
    {"PAUSE KEY     : %s or ESC"},
};

const char* const level_names[] = {"", "[EASY]", "[NORMAL]", "[HARD]", "[VERY HARD]"};

int32_t mode_position(int32_t mode) {
    const auto at = std::find(display_mode_table.begin(), display_mode_table.end(), mode);
    return at == display_mode_table.end() ? 0 : int32_t(at - display_mode_table.begin());
}

// LEFT lowers by step to no less than lowest, RIGHT raises to no more than highest; in 64 bits, as
// a value from the file may lie anywhere.
int32_t stepped(int32_t value, int32_t key, int32_t step, int32_t lowest, int32_t highest) {
    if (key == plat::vk_left) {
        return int32_t(std::max<int64_t>(int64_t(value) - step, lowest));
    }
    if (key == plat::vk_right) {
        return int32_t(std::min<int64_t>(int64_t(value) + step, highest));
    }
    return value;
}

// LEFT chooses 0, RIGHT 1.
int32_t chosen(int32_t value, int32_t key) {
    return key == plat::vk_left ? 0 : key == plat::vk_right ? 1 : value;
}

bool is_movement_key(int32_t key) {
    return key == plat::vk_escape || key == plat::vk_return || key == plat::vk_up || key == plat::vk_down ||
           key == plat::vk_left || key == plat::vk_right;
}

plat::hfont_t create_line_font() {
    constexpr int32_t points = 8;
    plat::hdc_t screen = plat::get_dc(nullptr);
    const int64_t dpi = plat::get_device_caps(screen, plat::logpixelsy);
    plat::release_dc(nullptr, screen);
    plat::log_font_t description;
    description.height = -int32_t((points * dpi + 36) / 72); // rounded, as MulDiv rounds
    description.weight = 400;
    description.char_set = 128;
    description.face_name = "ＭＳ ゴシック";
    return plat::create_font_indirect(description);
}

void text_at(const char* text, int32_t x, int32_t y, plat::hfont_t font, plat::colorref_t colour,
             const plat::colorref_t* paper) {
    if (g_screenctr.mg == nullptr) {
        return;
    }
    umlib::text_record_t record;
    record.text = text;
    record.length = int32_t(std::char_traits<char>::length(text));
    record.bk_mode = paper != nullptr ? plat::opaque : plat::transparent;
    record.bk_color = paper != nullptr ? *paper : 0;
    record.text_color = colour;
    record.font = font;
    umlib::surface_text_out(record, g_screenctr.mg->surface, x, y);
}

} // namespace

config_scene_t::config_scene_t(config_t* config, ranking_t* ranking, userinfo_t* userinfo,
                               config_sound_t* sound)
    : config(config), ranking(ranking), userinfo(userinfo), sound_(sound != nullptr ? sound : &own_sound_) {
    take_values(*config);
    for (int32_t line = 0; line <= 15; ++line) {
        pages[0].push_back(line);
    }
    pages[0].insert(pages[0].end(), {line_init_ranking, line_default, line_key_assign, line_ok});
    pages[1] = {16, 17, 18, 19, 20, line_back, line_ok};
    font = create_line_font();
    if (g_settings_in_effect.blt_scale == 0) {
        g_settings_in_effect = {config->screen_mode, config->blt_scale, config->refresh_mode};
    }
}

config_scene_t::~config_scene_t() {
    plat::delete_object(font);
}

bool config_scene_t::startup() {
    g_screenctr.clear_layers();
    g_screenctr.reset_scroll();
    background = g_screenctr.find_sprite("image\\title2.bmp");
    char_sheet = g_screenctr.find_sprite("image\\char003.bmp");
    equipment_icons = g_screenctr.find_sprite("image\\eqstate_icon.bmp");
    return background != -1 && char_sheet != -1 && equipment_icons != -1;
}

// Drawn over the last frame: the back buffer is not cleared.
void config_scene_t::frame() {
    draw_sprite_centred(background, 128, 128);
    int32_t y = first_line_top;
    for (const int32_t line : pages[page]) {
        const bool equipment = page == 0 && line == line_equipment;
        y += equipment ? line_height : 0;
        draw_line(line, y);
        y += equipment ? 2 * line_height : line_height;
    }
    if (page == 0) {
        draw_equipment_icons();
    }
    if (needs_restart()) {
        draw_restart_note();
    }
    sound_->play_requested_se();
    present_frame();
}

void config_scene_t::draw_line(int32_t line, int32_t y) {
    const std::string text = line_text(line);
    if (config_line_disabled(line, userinfo)) {
        text_at(text.c_str(), line_left, y, font, disabled_colour, nullptr);
    } else if (line == current_line) {
        text_at(text.c_str(), line_left, y, font, cursor_colour, &cursor_paper);
    } else {
        text_at(text.c_str(), line_left, y, font, line_colour, nullptr);
    }
}

// Every cell is centred on the same point, so the sheet's parts overlap into one picture.
void config_scene_t::draw_equipment_icons() {
    const sprite_record_t* sheet = sprite_with_surface(equipment_icons);
    if (sheet == nullptr) {
        return;
    }
    const int32_t left = 116 - sheet->cell_width / 2;
    const int32_t top = 108 - sheet->cell_height / 2;
    const auto cell = [&](int32_t col, int32_t row) {
        draw_sprite_cell(equipment_icons, col, row, left, top);
    };
    const int32_t bits = values[line_equipment];
    cell(0, 0);
    if (bits & 32) {
        cell(1, 1);
    }
    const int32_t shot_col = bits & 16 ? 4 : 0; // the shot kinds with multiples stand four cells on
    for (const auto& [bit, col] : {std::pair{1, 1}, std::pair{4, 2}, std::pair{8, 3}}) {
        if (bits & bit) {
            cell(shot_col + col, 0);
        }
    }
    if (bits & 16) {
        cell(4, 0);
    }
    if (bits & 2) {
        cell(0, 1);
    }
}

bool config_scene_t::needs_restart() const {
    return values[0] != g_settings_in_effect.screen_mode || values[2] != g_settings_in_effect.refresh_mode ||
           values[1] != g_settings_in_effect.blt_scale;
}

void config_scene_t::draw_restart_note() {
    text_at("APPLICATION NEEDS A RESTART", 48, 224, font, note_colour, nullptr);
    text_at("TO REFLECT YOUR CHANGES", 60, 234, font, note_colour, nullptr);
}

std::string config_scene_t::line_text(int32_t line) const {
    char text[80] = {};
    if (line >= config_field_count) {
        return line == line_init_ranking
                   ? std::string("INIT RANKING  : ") + (init_ranking == 0 ? "NO" : "YES")
               : line == line_default    ? "DEFAULT SETTING"
               : line == line_key_assign ? "KEY ASSIGN>>"
               : line == line_back       ? "<<BACK"
               : line == line_ok         ? "<OK>"
                                         : "";
    }
    const int32_t v = values[size_t(line)];
    const field_line_t& f = field_lines[size_t(line)];
    if (line == 0 && v != window_mode) {
        std::snprintf(text, sizeof text, "SCREEN MODE   : FULLSCREEN(%dx%dx%d)", display_mode_width(v),
                      display_mode_height(v), display_mode_bits(v));
    } else if (f.zero != nullptr) {
        std::snprintf(text, sizeof text, f.format, v == 0 ? f.zero : f.other);
    } else if (line >= first_key_line) {
        std::snprintf(text, sizeof text, f.format, key_name(v).c_str());
    } else if (line == line_level) {
        std::snprintf(text, sizeof text, f.format, v, v >= 1 && v <= 4 ? level_names[v] : "");
    } else {
        std::snprintf(text, sizeof text, f.format, line == 12 || line == 13 ? v / 100 : v);
    }
    return text;
}

void config_scene_t::on_key(int32_t key) {
    if (key == plat::vk_escape) {
        queue_scenes({scene_title});
        return;
    }
    if (key == plat::vk_up) {
        current_line = config_prev_line(pages[page], current_line, userinfo);
    } else if (key == plat::vk_down) {
        current_line = config_next_line(pages[page], current_line, userinfo);
    }
    const bool field = current_line >= 0 && current_line < config_field_count;
    const int32_t before = field ? values[size_t(current_line)] : 0;
    if (config_line_disabled(current_line, userinfo)) {
        return;
    }
    change_value(key);
    if (field && values[size_t(current_line)] != before) {
        sound_->request_se(key_sound);
    }
    if (key == plat::vk_return && current_line == line_key_assign) {
        page = 1;
        current_line = pages[1].front();
    } else if (key == plat::vk_return && current_line == line_back) {
        page = 0;
        current_line = pages[0].front();
    }
}

void config_scene_t::change_value(int32_t key) {
    const int32_t line = current_line;
    if (line >= first_key_line && line <= pause_key_line) {
        capture_key(key);
        return;
    }
    int32_t* v = line < config_field_count ? &values[size_t(line)] : nullptr;
    switch (line) {
    case 0:
        // Every key reaching the line stores the mode under the index, the one that brought the cursor too.
        mode_index = int32_t(stepped(mode_index, key, 1, 0, int32_t(display_mode_table.size()) - 1));
        values[0] = display_mode_table[size_t(mode_index)];
        values[1] = std::min(values[1], default_blt_scale(values[0]));
        break;
    case 1:
        *v = stepped(*v, key, 1, 1, default_blt_scale(values[0]));
        break;
    case 3:
        *v = stepped(*v, key, 1, 1, std::max(1, userinfo->stage));
        break;
    case line_level:
        *v = stepped(*v, key, 1, 1, max_level);
        break;
    case 6:
        *v = stepped(*v, key, 1, 1, std::max(1, userinfo->loop));
        break;
    case 7:
        *v = stepped(*v, key, 1, 1, 9);
        break;
    case line_equipment:
        if (key == plat::vk_left || key == plat::vk_right) {
            *v = powergauge_step_equipment(*v, key == plat::vk_left ? -1 : 1);
        }
        break;
    case 2:
    case 9:
    case 10:
    case 11:
    case 14:
        *v = chosen(*v, key);
        break;
    case 12:
    case 13:
        *v = stepped(*v, key, volume_step, lowest_volume, highest_volume);
        break;
    case line_init_ranking:
        init_ranking = uint8_t(chosen(init_ranking, key));
        break;
    case line_default:
        if (key == plat::vk_return) {
            config_t defaults;
            config_default(&defaults);
            take_values(defaults);
        }
        break;
    case line_ok:
        if (key == plat::vk_return) {
            apply();
        }
        break;
    default:
        break;
    }
}

void config_scene_t::take_values(const config_t& from) {
    for (int32_t i = 0; i < config_field_count; ++i) {
        values[size_t(i)] = from.*config_fields[size_t(i)];
    }
    mode_index = mode_position(values[0]);
}

// The pause key stays apart from the four action keys, which may share one; ESC, ENTER and the arrows
// keep their fixed meanings, and a key without a virtual-key code is never stored.
void config_scene_t::capture_key(int32_t key) {
    if (key <= 0 || key > 0xFE || is_movement_key(key)) {
        return;
    }
    if (current_line == pause_key_line) {
        for (int32_t line = first_key_line; line < pause_key_line; ++line) {
            if (values[size_t(line)] == key) {
                return;
            }
        }
    } else if (values[pause_key_line] == key) {
        return;
    }
    values[size_t(current_line)] = key;
}

void config_scene_t::apply() {
    if (init_ranking == 1) {
        ranking->set_default();
    }
    if (values[14] != config->reverb) {
        sound_->rebuild(values[14] != 0);
    }
    sound_->set_bgm_off(values[11] != 0);
    sound_->set_master_volumes(values[12], values[13]);
    for (int32_t i = 0; i < config_field_count; ++i) {
        config->*config_fields[size_t(i)] = values[size_t(i)];
    }
    queue_scenes({scene_title});
}
