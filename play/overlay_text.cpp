// The texts over the play picture: the score line with high score and lives, the typed navigation
// message with its cursor and fade, the frame rate, and the time of day on the paused picture.
#include "platform/clock.h"
#include "play/draw_object.h"
#include "play/play_scene.h"
#include "play/ranking.h"
#include "player/powergauge.h"
#include "screen/screenctr.h"
#include "screen/sprite_record.h"
#include "screen/vscreen.h"
#include "objects/score.h"

#include <cstdio>

namespace {

constexpr int32_t score_digits = 8;
constexpr int32_t lives_digits = 2;
constexpr int32_t clock_digits = 2;
constexpr uint8_t cursor_code = 0;
constexpr uint8_t colon_code = ':';
constexpr int32_t lifemark_x = 12;
constexpr int32_t lifemark_y = 23;
constexpr int32_t lifemark_y_lowered = 30;
constexpr int32_t lives_row = 3;
// The gauge style whose top row of slots pushes the lives and the frame rate one row down.
constexpr int32_t lowering_style = 2;

// The glyph of code copied into text cell (col, row) of a font: keyed for blend 0, else blended.
void draw_glyph_cell(vscreen_t* layer, int font, uint8_t code, int32_t col, int32_t row, int32_t blend) {
    const sprite_record_t* sheet = sprite_with_surface(font);
    if (sheet == nullptr) {
        return;
    }
    const int32_t w = sheet->cell_width;
    const int32_t h = sheet->cell_height;
    const int32_t x = col * w + (w >> 1);
    const int32_t y = row * (h + 1) + (h >> 1);
    if (blend == 0) {
        draw_cell_keyed(layer, font, code, x, y);
    } else {
        draw_cell_blended(layer, font, code, x, y, blend);
    }
}

} // namespace

bool play_scene_t::status_line_lowered() const {
    return powergauge::gauge && gauge_style == lowering_style;
}

void play_scene_t::draw_high_score() {
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    screen->draw_number(1, 1, g_score, score_digits, sprite_char001, ' ');
    screen->draw_string(16, 1, "HI", sprite_char001);
    const int32_t best = ranking != nullptr ? ranking->records[0].score : g_score;
    screen->draw_number(19, 1, g_score > best ? g_score : best, score_digits, sprite_char001, ' ');
    const bool lowered = status_line_lowered();
    draw_cell_keyed(screen, sprite_lifemark, 0, lifemark_x, lowered ? lifemark_y_lowered : lifemark_y);
    screen->draw_number(3, lowered ? lives_row + 1 : lives_row, g_lives, lives_digits, sprite_char003, '0');
}

void play_scene_t::draw_overlay_text(int32_t col, int32_t row) {
    mg_t* screen = g_screenctr.mg;
    const int32_t start = navigation.display_start;
    if (screen == nullptr || start < 0 || start >= int32_t(sizeof navigation.text)) {
        return;
    }
    const char* text = navigation.text + start;
    if (text[0] == '\0') {
        return;
    }
    const int32_t fade = navigation.fade;
    if (fade == 0) {
        screen->draw_string(col, row, text, sprite_char002);
    } else {
        screen->draw_text(col, row, text, sprite_char002, fade);
    }
    if (navigation.cursor_on) {
        draw_glyph_cell(screen, sprite_char002, cursor_code, screen->cursor_col, screen->cursor_row, fade);
    }
}

void play_scene_t::draw_value(int32_t col, int32_t row) {
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", fps_rate);
    screen->draw_string(col, status_line_lowered() ? row + 1 : row, text, sprite_char003);
}

void play_scene_t::draw_clock(int32_t col, int32_t row, int64_t time) {
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    plat::time_of_day_t now;
    if (!plat::local_time_of_day(time, now)) {
        // No time to show: dashes where the digits would stand.
        screen->draw_string(col + 1, row, "--", sprite_char003);
        draw_glyph_cell(screen, sprite_char003, colon_code, col + 3, row, 0);
        screen->draw_string(col + 4, row, "-- --", sprite_char003);
        return;
    }
    screen->draw_number(col, row, now.hour, clock_digits, sprite_char003, ' ');
    draw_glyph_cell(screen, sprite_char003, colon_code, col + 3, row, 0);
    screen->draw_number(screen->cursor_col + 1, row, now.minute, clock_digits, sprite_char003, '0');
    screen->draw_number(screen->cursor_col + 1, row, now.second, clock_digits, sprite_char003, '0');
}
