#include "scenes/title_scene.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/keyboard.h"
#include "play/scenectr.h"
#include "scenes/draw_sprite.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

#include <iterator>

namespace {

enum title_state_t : int32_t {
    state_start = 0,
    state_logo_in = 1,
    state_logo = 2,
    state_logo_out = 3,
    state_to_grey = 4,
    state_grey = 5,
    state_title_in = 6,
    state_music = 7,
    state_menu = 8,
    state_to_demo = 9,
    state_demo = 10,
    state_done = -1,
};

constexpr uint32_t hold_frames = 64;
constexpr uint32_t idle_frames = 1408;
constexpr int32_t full_fade = 256;
constexpr int32_t demo_volume_step = -8; // hundredths of a decibel a frame
constexpr int32_t menu_sound = 6;
constexpr int32_t centre = 128;
constexpr int32_t menu_x = 48;
constexpr int32_t menu_top = 160;
constexpr int32_t menu_spacing = 14;
constexpr int32_t selected_cells = 8; // the selected form lies one sheet row below

// The sheet holds ranking and replay the other way round from the menu.
constexpr int32_t item_cells[title_scene_t::item_count] = {0, 1, 3, 2, 4, 5};
constexpr int32_t item_scenes[title_scene_t::item_count - 1] = {scene_play, scene_recplay, scene_ranking,
                                                                scene_replay_dialog, scene_settings};

constexpr const char* sprite_paths[] = {"image\\bootdorvex.bmp", "image\\title.bmp", "image\\titlemenu.bmp"};

uint32_t grey() {
    return screen_colour(232, 232, 232);
}

void quit_game() {
    if (g_scenectr != nullptr) {
        g_scenectr->quit(false);
    }
}

} // namespace

title_scene_t::title_scene_t() : saved_vsync(g_vsync ? 1 : 0) {
    code[0] = 'D';
    code[1] = 'O';
    code[2] = 'R';
    code[3] = 'V';
    code[4] = 'E';
    code[5] = 'X';
    g_vsync = true;
}

title_scene_t::~title_scene_t() {
    g_vsync = saved_vsync != 0;
    release_bgm();
}

void title_scene_t::release_bgm() {
    g_soundctr.clear_bgm_table();
}

bool title_scene_t::startup() {
    g_screenctr.clear_layers();
    g_screenctr.reset_scroll();
    if (!g_soundctr.load_bgm_table(".\\bin\\bgmtbl_ttl.txt")) {
        return false;
    }
    int32_t* const sprites[] = {&logo_sprite, &title_sprite, &menu_sprite};
    for (size_t i = 0; i < std::size(sprites); ++i) {
        *sprites[i] = g_screenctr.find_sprite(sprite_paths[i]);
        if (*sprites[i] == -1) {
            bootlog_error(strformat("スプライト %s がスプライトテーブルにありません", sprite_paths[i]));
            return false;
        }
    }
    g_soundctr.select_bgm(0);
    return true;
}

void title_scene_t::frame() {
    if (g_screenctr.mg != nullptr) {
        g_screenctr.mg->clear(0);
    }
    while (!run_state()) {
    }
    present_frame();
    g_soundctr.play_requested_se();
    ++timer;
}

void title_scene_t::enter(int32_t next) {
    state = next;
    timer = 0;
}

bool title_scene_t::run_state() {
    switch (state) {
    case state_start:
        fade = full_fade;
        enter(state_logo_in);
        return false;
    case state_logo_in:
        if (fade <= 0) {
            enter(state_logo);
            return false;
        }
        draw_logo_blended();
        fade -= 2;
        return true;
    case state_logo:
        if (timer >= hold_frames) {
            enter(state_logo_out);
            return false;
        }
        draw_sprite_centred(logo_sprite, centre, centre);
        return true;
    case state_logo_out:
        if (fade >= full_fade) {
            fade = 0;
            enter(state_to_grey);
            return false;
        }
        draw_logo_blended();
        fade += 4;
        return true;
    case state_to_grey:
        if (fade >= full_fade) {
            enter(state_grey);
            return false;
        }
        g_screenctr.fade(grey(), fade);
        fade += 4;
        return true;
    case state_grey:
        if (timer >= hold_frames) {
            enter(state_title_in);
            return false;
        }
        g_screenctr.fade(grey(), fade);
        return true;
    case state_title_in:
        if (fade <= 0) {
            enter(state_music);
            return false;
        }
        draw_title();
        draw_menu();
        g_screenctr.fade(grey(), fade);
        fade -= 2;
        return true;
    case state_music:
        fade = 0;
        g_soundctr.set_bgm_volume(0);
        g_soundctr.start_bgm();
        enter(state_menu);
        return false;
    case state_menu:
        if (timer >= idle_frames) {
            enter(state_to_demo);
            return false;
        }
        draw_title();
        draw_menu();
        return true;
    case state_to_demo:
        if (fade >= full_fade) {
            enter(state_demo);
            return false;
        }
        draw_title();
        draw_menu();
        g_soundctr.add_bgm_volume(demo_volume_step);
        g_screenctr.fade(0, fade);
        fade += 2;
        return true;
    case state_demo:
        queue_scenes({scene_demo});
        enter(state_done);
        return false;
    default:
        return true;
    }
}

void title_scene_t::draw_logo_blended() {
    draw_sprite_blend(logo_sprite, sprite_cell(logo_sprite, 0), centre, centre, fade);
}

void title_scene_t::draw_title() {
    draw_sprite_centred(title_sprite, centre, centre);
}

void title_scene_t::draw_menu() {
    for (int32_t i = 0; i < item_count; ++i) {
        draw_menu_item(menu_x, menu_top + menu_spacing * i, i, i == cursor);
    }
}

void title_scene_t::draw_menu_item(int32_t x, int32_t y, int32_t item, bool selected) {
    if (item < 0 || item >= item_count) {
        return;
    }
    const int32_t cell = item_cells[item] + (selected ? selected_cells : 0);
    draw_sprite_blend(menu_sprite, sprite_cell(menu_sprite, cell), x, y, blend_additive);
}

void title_scene_t::on_key(int32_t virtual_key) {
    if (state != state_menu && virtual_key != plat::vk_escape) {
        // Skips the intro, or wakes the menu from the fade to the demo.
        enter(state_music);
        return;
    }
    switch (virtual_key) {
    case plat::vk_return:
        run_item();
        break;
    case plat::vk_escape:
        quit_game();
        break;
    case plat::vk_up:
        if (cursor > 0) {
            --cursor;
            g_soundctr.request_se(menu_sound);
        }
        break;
    case plat::vk_down:
        if (cursor < item_count - 1) {
            ++cursor;
            g_soundctr.request_se(menu_sound);
        }
        break;
    default:
        match_code(virtual_key);
        break;
    }
}

void title_scene_t::run_item() {
    if (cursor == item_count - 1) {
        quit_game();
        return;
    }
    queue_scenes({item_scenes[cursor]});
}

void title_scene_t::match_code(int32_t virtual_key) {
    // A wrong key starts the code over without counting as its first key.
    if (code_pos >= code_length || uint32_t(virtual_key) != code[code_pos]) {
        code_pos = 0;
        return;
    }
    if (++code_pos == code_length) {
        queue_scenes({scene_ending, scene_title});
    }
}
