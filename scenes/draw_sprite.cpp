#include "scenes/draw_sprite.h"

#include "screen/screenctr.h"
#include "screen/vscreen.h"

void draw_sprite_keyed(int sprite, const plat::rect_t& source, int32_t left, int32_t top) {
    const sprite_record_t* record = sprite_with_surface(sprite);
    if (record == nullptr || g_screenctr.mg == nullptr) {
        return;
    }
    g_screenctr.mg->blt_keyed(record->surface, source, left, top);
}

void draw_sprite_cell(int sprite, int32_t col, int32_t row, int32_t left, int32_t top) {
    const sprite_record_t* record = sprite_with_surface(sprite);
    if (record == nullptr) {
        return;
    }
    const int32_t w = record->cell_width;
    const int32_t h = record->cell_height;
    draw_sprite_keyed(sprite, {col * w, row * h, col * w + w, row * h + h}, left, top);
}

void draw_sprite_centred(int sprite, int32_t x, int32_t y) {
    const sprite_record_t* record = sprite_with_surface(sprite);
    if (record == nullptr) {
        return;
    }
    draw_sprite_cell(sprite, 0, 0, x - record->cell_width / 2, y - record->cell_height / 2);
}
