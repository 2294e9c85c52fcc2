// Keyed copies onto a layer, and text and numbers drawn with them, one font-sheet glyph a cell.
#include "render/blend.h"
#include "render/map_geometry.h"
#include "screen/sprite_record.h"
#include "screen/text_layout.h"
#include "screen/vscreen.h"
#include "umlib/surface.h"

#include <optional>

namespace {

void draw_glyph_blended(vscreen_t& layer, const sprite_record_t& font, const glyph_placement_t& g,
                        int32_t weight) {
    plat::rect_t s = g.source;
    blend_blit_alpha(layer.surface, &layer.clip, g.at.x, g.at.y, font.surface, &s, weight);
}

// Without a weight the glyph is copied with the key, with one it is blended.
using weight_t = std::optional<int32_t>;

void draw_glyph(vscreen_t& layer, const sprite_record_t& font, int32_t col, int32_t row, uint8_t code,
                weight_t weight) {
    glyph_placement_t g;
    if (!place_glyph(code, col, row, font.cell_width, font.cell_height, font.surface->rect, g)) {
        return;
    }
    if (weight) {
        draw_glyph_blended(layer, font, g, *weight);
    } else {
        layer.blt_keyed(font.surface, g.source, g.at.x, g.at.y);
    }
}

constexpr weight_t keyed = std::nullopt;

void text(vscreen_t& layer, int32_t col, int32_t row, const char* string, int sprite, weight_t weight) {
    const sprite_record_t* font = sprite_with_surface(sprite);
    if (font == nullptr || string == nullptr) {
        return;
    }
    const text_cursor_t end = layout_text(col, row, string, [&](int32_t c, int32_t r, uint8_t code) {
        draw_glyph(layer, *font, c, r, code, weight);
    });
    layer.cursor_col = end.col;
    layer.cursor_row = end.row;
    layer.dirty = 1;
}

void number(vscreen_t& layer, int32_t col, int32_t row, int32_t value, int32_t digits, int sprite,
            weight_t weight, char pad) {
    const sprite_record_t* font = sprite_with_surface(sprite);
    if (font == nullptr) {
        return;
    }
    layer.cursor_col = col + digits;
    layer.cursor_row = row;
    layout_number(col, row, value, digits, pad, [&](int32_t c, int32_t r, uint8_t code, number_glyph_t kind) {
        // Pad characters are copied with the key even when the digits are blended.
        draw_glyph(layer, *font, c, r, code, kind == number_glyph_t::pad ? keyed : weight);
    });
    layer.dirty = 1;
}

} // namespace

void vscreen_t::blt_keyed(umlib::surface_t* from, plat::rect_t s, int32_t left, int32_t top) {
    plat::rect_t d{left, top, left + (s.right - s.left), top + (s.bottom - s.top)};
    if (!clip_copy(clip, d, s)) {
        return;
    }
    surface->surface->blt_fast(uint32_t(d.left), uint32_t(d.top), from->surface, &s,
                               plat::ddbltfast_srccolorkey | plat::ddbltfast_wait);
    dirty = 1;
}

void vscreen_t::copy_from(const vscreen_t& other) {
    plat::rect_t whole = other.full_rect;
    surface->surface->blt_fast(0, 0, other.surface->surface, &whole, plat::ddbltfast_wait);
    dirty = 1;
}

void vscreen_t::draw_string(int32_t col, int32_t row, const char* string, int sprite) {
    text(*this, col, row, string, sprite, keyed);
}

void vscreen_t::draw_text(int32_t col, int32_t row, const char* string, int sprite, int32_t weight) {
    text(*this, col, row, string, sprite, weight);
}

void vscreen_t::draw_number(int32_t col, int32_t row, int32_t value, int32_t digits, int sprite, char pad) {
    number(*this, col, row, value, digits, sprite, keyed, pad);
}

void vscreen_t::draw_text_ex(int32_t col, int32_t row, int32_t value, int32_t digits, int sprite,
                             int32_t weight, char pad) {
    number(*this, col, row, value, digits, sprite, weight, pad);
}
