#include "scenes/typesel_scene.h"

#include "platform/keyboard.h"
#include "play/scenectr.h"
#include "scenes/draw_sprite.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

namespace {

constexpr uint32_t confirm_frames = 80;
constexpr uint32_t blink_period = 640;
constexpr uint32_t pulse_period = 40;
constexpr int32_t dimmed_panel = 160;
constexpr int32_t dimmed_frame = 208;
constexpr int32_t dimmed_option = 208;
constexpr int32_t move_sound = 5;
constexpr int32_t confirm_sound = 13;

constexpr const char* panel_paths[typesel_scene_t::type_count] = {
    "image\\typesel_a.bmp", "image\\typesel_b.bmp", "image\\typesel_c.bmp", "image\\typesel_d.bmp"};

struct centre_t {
    int32_t x;
    int32_t y;
};

// Positions are cut toward zero to whole pixels.
centre_t pixel(motion_point_t at) {
    return {int32_t(at.x), int32_t(at.y)};
}

// The selected frame's pulse: the destination's weight climbs from 0 to 160 and back over 40 frames.
int32_t pulse_weight(uint32_t blink) {
    const int32_t v = int32_t(blink % pulse_period);
    return v < 20 ? 8 * v : 320 - 8 * v;
}

} // namespace

typesel_scene_t::typesel_scene_t(int32_t* ship_type_out, int32_t* option_type_out)
    : ship_type_out(ship_type_out), option_type_out(option_type_out) {
    // The ship panels slide in from the right, arriving together; the controller panels rise from below.
    for (int32_t i = 0; i < type_count; ++i) {
        const float y = float(72 + 38 * i);
        panels[i].set(float(384 + 64 * i), y, 128, y, 3);
    }
    for (int32_t j = 0; j < option_count; ++j) {
        const float x = float(144 + 64 * j);
        panels[type_count + j].set(x, 320, x, 224, 4);
    }
}

typesel_scene_t::~typesel_scene_t() {
    *ship_type_out = type_cursor;
    *option_type_out = 1 + option_cursor;
    release_bgm();
}

void typesel_scene_t::release_bgm() {
    g_soundctr.clear_bgm_table();
}

bool typesel_scene_t::startup() {
    g_screenctr.clear_layers();
    g_screenctr.reset_scroll();
    if (!g_soundctr.load_bgm_table(".\\bin\\bgmtbl_tps.txt")) {
        return false;
    }
    // A missing picture only stays undrawn.
    logo_sprite = g_screenctr.find_sprite("image\\typesel_logo.bmp");
    for (int32_t i = 0; i < type_count; ++i) {
        panel_sprites[i] = g_screenctr.find_sprite(panel_paths[i]);
    }
    frame_sprite = g_screenctr.find_sprite("image\\typesel_frame.bmp");
    option_sprite = g_screenctr.find_sprite("image\\muloprsel.bmp");
    g_soundctr.select_bgm(0);
    g_soundctr.start_bgm();
    return true;
}

void typesel_scene_t::frame() {
    if (g_screenctr.mg != nullptr) {
        g_screenctr.mg->clear(0);
    }
    draw_sprite_centred(logo_sprite, 128, 40);
    for (int32_t i = 0; i < type_count; ++i) {
        draw_type_panel(i);
    }
    for (int32_t j = 0; j < option_count; ++j) {
        draw_option_panel(j);
    }
    if (countdown > 0 && --countdown == 0 && g_scenectr != nullptr) {
        g_scenectr->request_change(); // the queued game comes next
    }
    g_soundctr.play_requested_se();
    present_frame();
    blink = (blink + 1) % blink_period;
}

void typesel_scene_t::draw_type_panel(int32_t i) {
    const centre_t at = pixel(panels[i].step());
    const int panel = panel_sprites[i];
    const plat::rect_t panel_rect = sprite_cell(panel, 0);
    const plat::rect_t frame_rect = sprite_cell(frame_sprite, 0);
    if (i != type_cursor) {
        draw_sprite_blend(panel, panel_rect, at.x, at.y, dimmed_panel);
        draw_sprite_blend(frame_sprite, frame_rect, at.x, at.y, dimmed_frame);
        return;
    }
    draw_sprite_blend(panel, panel_rect, at.x, at.y, blend_additive);
    if (countdown == 0) {
        draw_sprite_blend(frame_sprite, frame_rect, at.x, at.y, pulse_weight(blink));
    } else if (countdown % 8 < 6) {
        draw_sprite_centred(frame_sprite, at.x, at.y);
    }
}

void typesel_scene_t::draw_option_panel(int32_t j) {
    const centre_t at = pixel(panels[type_count + j].step());
    const plat::rect_t cell = sprite_cell(option_sprite, j);
    if (j == option_cursor) {
        draw_sprite_keyed(option_sprite, cell, at.x - (cell.right - cell.left) / 2,
                          at.y - (cell.bottom - cell.top) / 2);
    } else {
        draw_sprite_blend(option_sprite, cell, at.x, at.y, dimmed_option);
    }
}

void typesel_scene_t::on_key(int32_t virtual_key) {
    if (countdown != 0) {
        return;
    }
    switch (virtual_key) {
    case plat::vk_return:
        countdown = confirm_frames;
        g_soundctr.request_se(confirm_sound);
        return;
    case plat::vk_escape:
        queue_scenes({scene_title});
        return;
    case plat::vk_up:
        type_cursor = (type_cursor + type_count - 1) % type_count;
        break;
    case plat::vk_down:
        type_cursor = (type_cursor + 1) % type_count;
        break;
    case plat::vk_left:
        option_cursor = (option_cursor + option_count - 1) % option_count;
        break;
    case plat::vk_right:
        option_cursor = (option_cursor + 1) % option_count;
        break;
    default:
        return;
    }
    g_soundctr.request_se(move_sound);
}
