#include "play/demo_scene.h"

#include "objects/play_globals.h"
#include "play/ranking.h"
#include "play/scenectr.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int vk_f2 = 0x71;
constexpr int vk_f11 = 0x7A;
constexpr uint32_t demo_cycle = 2048;
constexpr uint32_t ranking_page_from = 1536;
constexpr int demo_font = 0;
constexpr int32_t shown_records = 15;
constexpr const char caption[] = "DEMONSTRATION";

void draw_caption(vscreen_t* screen, uint32_t t) {
    const int32_t w = g_screenctr.sprites[demo_font].cell_width;
    const int32_t h = g_screenctr.sprites[demo_font].cell_height;
    // A font without a cell size has no place to centre on.
    if (w <= 0 || h < 0 || t % 48 >= 32) {
        return;
    }
    const int32_t col = (256 / w - int32_t(sizeof caption - 1)) / 2;
    screen->draw_string(col, (256 / (h + 1)) / 2, caption, demo_font);
}

void draw_ranking(vscreen_t* screen, const ranking_t& ranking, uint32_t t) {
    const int32_t a = std::max(0, 256 - 4 * int32_t(t - ranking_page_from));
    screen->draw_text(10, 3, "SCORE RANKING", demo_font, a);
    screen->draw_text(2, 6, " RANK      SCORE   NAME", demo_font, a);
    for (int32_t i = 0; i < shown_records; ++i) {
        const ranking_record_t& record = ranking.records[i];
        const int32_t b = std::max(a, 14 * i);
        screen->draw_text_ex(4, 8 + i, i + 1, 2, demo_font, b, ' ');
        screen->draw_text_ex(7, 8 + i, record.score, 10, demo_font, b, ' ');
        const std::string name(record.name, strnlen(record.name, sizeof record.name));
        screen->draw_text(21, 8 + i, name.c_str(), demo_font, b);
    }
}

} // namespace

void demo_scene_t::frame() {
    play_scene_t::frame();
    if (g_frame_counter == last_frame) {
        game_over();
    }
}

void demo_scene_t::on_key(int32_t key) {
    if (key == vk_f2 || key == vk_f11) {
        play_scene_t::on_key(key);
        return;
    }
    queue_scenes({scene_title});
}

void demo_scene_t::draw_mode_overlay() {
    vscreen_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    const uint32_t t = g_frame_counter % demo_cycle;
    if (t < ranking_page_from) {
        draw_caption(screen, t);
    } else if (ranking != nullptr) {
        draw_ranking(screen, *ranking, t);
    }
}
