#include "play/ending_scene.h"

#include "objects/play_globals.h"
#include "platform/keyboard.h"
#include "play/playinfo.h"
#include "play/scenectr.h"
#include "play/stage_events.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

namespace {

namespace ev = stage_event;

constexpr int vk_f2 = 0x71;
constexpr int vk_f4 = 0x73;
constexpr plat::rect_t letterbox = {0, 40, 256, 216};
constexpr int32_t closing_colour = 0x000C14;
constexpr int32_t fade_point = 5; // over the world, beneath the overlay texts
constexpr int32_t top_level = 8;
constexpr int32_t message_wonderful = 20;
constexpr int32_t message_completed = 8;
constexpr int32_t message_continues = 13;
constexpr int32_t value_col = 19;
constexpr int32_t value_row = 6;
constexpr int32_t text_col = 3;
constexpr int32_t text_row = 10;

} // namespace

ending_scene_t::ending_scene_t(playinfo_t* settings, ranking_t* ranking)
    : play_scene_t(settings, nullptr, ranking), level(settings->level), loop(settings->loop) {}

ending_scene_t::~ending_scene_t() {
    restore_clip();
}

void ending_scene_t::restore_clip() {
    if (clip_saved && g_screenctr.mg != nullptr) {
        g_screenctr.mg->clip = saved_clip;
    }
}

bool ending_scene_t::startup() {
    if (!play_scene_t::startup()) {
        return false;
    }
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return true;
    }
    saved_clip = screen->clip;
    clip_saved = true;
    screen->clear(0);
    screen->clip = letterbox;
    return true;
}

void ending_scene_t::frame() {
    play_scene_t::frame();
    if (countdown == 0) {
        return;
    }
    --countdown;
    if (countdown == message_at) {
        const int32_t message = loop != top_level    ? message_continues
                                : level == top_level ? message_wonderful
                                                     : message_completed;
        post_event(ev::navigation, message);
    }
    if (countdown == 0) {
        post_event(ev::bgm_stop, 0);
        g_scenectr->request_change();
    }
}

void ending_scene_t::on_key(int32_t key) {
    switch (key) {
    case plat::vk_return:
    case plat::vk_escape:
        if (g_frame_counter < confirm_from) {
            break;
        }
        if (countdown != 0) {
            countdown = 1; // the next frame ends the scene
            break;
        }
        countdown = closing_frames;
        post_event(ev::back_colour, closing_colour);
        post_event(ev::fade_out_black, fade_point);
        post_event(ev::fade_hold, 1);
        post_event(ev::bgm_fade, 0);
        break;
    case vk_f2:
    case vk_f4:
        play_scene_t::on_key(key);
        break;
    default:
        break;
    }
}

void ending_scene_t::draw_value(int32_t, int32_t) {
    play_scene_t::draw_value(value_col, value_row);
}

void ending_scene_t::draw_overlay_text(int32_t, int32_t) {
    play_scene_t::draw_overlay_text(text_col, text_row);
}
