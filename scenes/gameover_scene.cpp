#include "scenes/gameover_scene.h"

#include "base/failure.h"
#include "platform/keyboard.h"
#include "play/ranking.h"
#include "play/scenectr.h"
#include "scenes/draw_sprite.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int name_font = 0;
constexpr int32_t half = 128;
constexpr int32_t game_over_frames = 1024;

} // namespace

gameover_scene_t::gameover_scene_t(ranking_t* ranking)
    : glyphs(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ.-!?") + space_glyph + end_glyph), ranking(ranking) {
    if (entry() != nullptr) {
        place = ranking->new_entry;
    }
}

gameover_scene_t::~gameover_scene_t() {
    g_soundctr.clear_bgm_table();
}

ranking_record_t* gameover_scene_t::entry() const {
    return ranking->new_entry_record();
}

bool gameover_scene_t::startup() {
    if (!g_soundctr.load_bgm_table(".\\bin\\bgmtbl_gmo.txt")) {
        return false;
    }
    image = g_screenctr.find_sprite("image\\gameover.bmp");
    if (image == -1) {
        return false;
    }
    g_soundctr.select_bgm(0);
    g_soundctr.start_bgm();
    if (g_screenctr.presenter == nullptr || g_screenctr.mg == nullptr) {
        return false;
    }
    try {
        layer = std::make_unique<vscreen_t>(g_screenctr.presenter, 2);
    } catch (const construction_error_t&) {
        return false;
    }
    // The back buffer still holds the last picture of play.
    layer->copy_from(*g_screenctr.mg);
    return true;
}

void gameover_scene_t::frame() {
    draw_state();
    timer += 1;
    present_frame();
}

void gameover_scene_t::draw_state() {
    switch (state) {
    case state_darkening:
        draw_darkening();
        break;
    case state_name_entry:
        draw_name_entry();
        break;
    default:
        draw_game_over();
        break;
    }
}

void gameover_scene_t::draw_darkening() {
    mg_t& screen = *g_screenctr.mg;
    const int64_t weight = 2 * int64_t(timer);
    screen.copy_from(*layer);
    if (weight < half) {
        g_screenctr.fade(0, int32_t(weight));
        return;
    }
    g_screenctr.fade(0, half);
    layer->copy_from(screen);
    state = entry() != nullptr ? state_name_entry : state_game_over;
    timer = 0;
    draw_state();
}

void gameover_scene_t::draw_name_entry() {
    mg_t& screen = *g_screenctr.mg;
    screen.copy_from(*layer);
    screen.draw_string(13, 11, "RANK:", name_font);
    screen.draw_number(18, 11, place + 1, 2, name_font, ' ');
    screen.draw_string(13, 13, "NAME:", name_font);
    // Only what was entered is shown, whatever the field held behind it.
    char name[16] = {};
    std::memcpy(name, entry()->name, strnlen(entry()->name, size_t(std::clamp(length, 0, 15))));
    screen.draw_string(19, 13, name, name_font);
    const sprite_record_t* font = sprite_with_surface(name_font);
    if ((timer & 7) < 6 && font != nullptr) {
        const uint8_t g = uint8_t(glyphs[size_t(cursor)]);
        draw_sprite_cell(name_font, g & 7, g >> 3, (19 + length) * font->cell_width,
                         13 * (font->cell_height + 1));
    }
}

void gameover_scene_t::draw_game_over() {
    g_screenctr.mg->copy_from(*layer);
    if ((timer & 63) < 48) {
        draw_sprite_centred(image, 128, 128);
    }
    if (timer == game_over_frames) {
        leave();
    }
}

void gameover_scene_t::on_key(int32_t key) {
    const bool enter = key == plat::vk_return;
    const bool escape = key == plat::vk_escape;
    if (state == state_darkening) {
        if (enter || escape) {
            timer = 0xFFFF;
        }
        return;
    }
    if (state == state_game_over) {
        if (enter || escape) {
            leave();
        }
        return;
    }
    const int32_t count = int32_t(glyphs.size());
    char* name = entry()->name;
    if (key == plat::vk_left && length < max_length) {
        cursor = (cursor + count - 1) % count;
    } else if (key == plat::vk_right && length < max_length) {
        cursor = (cursor + 1) % count;
    } else if (enter) {
        enter_glyph();
    } else if (key == plat::vk_back && length > 0) {
        length -= 1;
        const int32_t removed = find_glyph(name[length]);
        cursor = removed >= 0 ? removed : cursor;
        name[length] = 0;
    } else if (escape) {
        name[0] = 0;
        state = state_game_over;
        timer = 0;
    }
}

void gameover_scene_t::enter_glyph() {
    const char g = glyphs[size_t(cursor)];
    if (g == end_glyph) {
        state = state_game_over;
        timer = 0;
        return;
    }
    char* name = entry()->name;
    name[length] = g == space_glyph ? ' ' : g;
    name[length + 1] = 0;
    length += 1;
    if (length >= max_length) {
        cursor = find_glyph(end_glyph);
    }
}

void gameover_scene_t::leave() {
    queue_scenes({entry() != nullptr ? scene_ranking : scene_title});
}

int32_t gameover_scene_t::find_glyph(char c) const {
    const size_t at = glyphs.find(c == ' ' ? space_glyph : c);
    return at == std::string::npos || c == 0 ? -1 : int32_t(at);
}
