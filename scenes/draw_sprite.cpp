#include "scenes/draw_sprite.h"

#include "render/blend.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"
#include "umlib/surface.h"

namespace {

uint32_t channel(uint8_t value, uint32_t width, uint32_t shift) {
    return width > 8 ? 0 : uint32_t(value >> (8 - width)) << shift;
}

plat::rect_t cell_rect(const sprite_record_t& r, int32_t col, int32_t row) {
    const int32_t left = col * r.cell_width;
    const int32_t top = row * r.cell_height;
    return {left, top, left + r.cell_width, top + r.cell_height};
}

} // namespace

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
    draw_sprite_keyed(sprite, cell_rect(*record, col, row), left, top);
}

void draw_sprite_centred(int sprite, int32_t x, int32_t y) {
    const sprite_record_t* record = sprite_with_surface(sprite);
    if (record == nullptr) {
        return;
    }
    draw_sprite_cell(sprite, 0, 0, x - record->cell_width / 2, y - record->cell_height / 2);
}

plat::rect_t sprite_cell(int sprite, int32_t cell) {
    if (sprite < 0 || sprite >= sprite_table_size) {
        return {0, 0, 0, 0};
    }
    return cell_rect(g_screenctr.sprites[sprite], cell % 8, cell / 8);
}

void draw_sprite_blend(int sprite, const plat::rect_t& source, int32_t centre_x, int32_t centre_y,
                       int32_t value) {
    mg_t* screen = g_screenctr.mg;
    const sprite_record_t* image = sprite_with_surface(sprite);
    if (screen == nullptr || image == nullptr) {
        return;
    }
    const int32_t x = centre_x - (source.right - source.left) / 2;
    const int32_t y = centre_y - (source.bottom - source.top) / 2;
    switch (value) {
    case blend_additive:
        blend_blit_add(screen->surface, &screen->clip, x, y, image->surface, &source);
        break;
    case blend_half:
        blend_blit_half(screen->surface, &screen->clip, x, y, image->surface, &source);
        break;
    case blend_quarter:
        blend_blit_quarter(screen->surface, &screen->clip, x, y, image->surface, &source);
        break;
    default:
        blend_blit_alpha(screen->surface, &screen->clip, x, y, image->surface, &source, value);
        break;
    }
    screen->dirty = 1;
}

uint32_t screen_colour(uint8_t red, uint8_t green, uint8_t blue) {
    const umlib::pixel_format_record_t& f = umlib::pixel_format;
    return channel(red, f.red_width, f.red_shift) | channel(green, f.green_width, f.green_shift) |
           channel(blue, f.blue_width, f.blue_shift);
}
