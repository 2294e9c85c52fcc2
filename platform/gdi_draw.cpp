// Drawing through device contexts: pixel get and set, converting bitmap copies, fills and text.
#include "platform/font.h"
#include "platform/gdi_internal.h"

#include <algorithm>

namespace plat {

namespace {

bool inside(const pixel_view_t& v, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < v.width && y < v.height;
}

void fill_raw(const pixel_view_t& v, const rect_t& r, uint32_t raw) {
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            write_raw(v, x, y, raw);
        }
    }
}

void draw_glyph(const pixel_view_t& v, int32_t x, int32_t y, uint8_t c, uint32_t ink) {
    const auto& rows = glyph_rows(c);
    for (int32_t row = 0; row < font_glyph_height; ++row) {
        for (int32_t col = 0; col < font_glyph_width; ++col) {
            if ((rows[size_t(row)] >> (font_glyph_width - 1 - col) & 1) && inside(v, x + col, y + row)) {
                write_raw(v, x + col, y + row, ink);
            }
        }
    }
}

bool utf8_continuation(uint8_t c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

colorref_t get_pixel(hdc_t dc, int32_t x, int32_t y) {
    if (!is_dc(dc)) {
        return clr_invalid;
    }
    const pixel_view_t v = view_of(dc);
    if (!v.valid() || !inside(v, x, y)) {
        return clr_invalid;
    }
    return rgb_of_pixel(v.layout, read_raw(v, x, y));
}

colorref_t set_pixel(hdc_t dc, int32_t x, int32_t y, colorref_t colour) {
    if (!is_dc(dc)) {
        return clr_invalid;
    }
    const pixel_view_t v = view_of(dc);
    if (!v.writable() || !inside(v, x, y)) {
        return clr_invalid;
    }
    const uint32_t raw = pixel_of_rgb(v.layout, colour);
    write_raw(v, x, y, raw);
    return rgb_of_pixel(v.layout, raw);
}

bool bit_blt(hdc_t dst, int32_t x, int32_t y, int32_t width, int32_t height, hdc_t src, int32_t src_x,
             int32_t src_y, uint32_t rop) {
    if (!is_dc(dst) || !is_dc(src) || rop != srccopy || width < 0 || height < 0) {
        return false;
    }
    const pixel_view_t to = view_of(dst);
    const pixel_view_t from = view_of(src);
    if (!to.writable() || !from.valid()) {
        return false;
    }
    // Clip against both pictures, moving the other side by the same amounts.
    const rect_t d = clip_to_view(to, x, y, width, height);
    const rect_t s = clip_to_view(from, src_x, src_y, width, height);
    // Offsets in 64 bits: a far-off origin would overflow them, though the clipped result is small.
    const int64_t left = std::max(int64_t(d.left) - x, int64_t(s.left) - src_x);
    const int64_t top = std::max(int64_t(d.top) - y, int64_t(s.top) - src_y);
    const int64_t right = std::min(int64_t(d.right) - x, int64_t(s.right) - src_x);
    const int64_t bottom = std::min(int64_t(d.bottom) - y, int64_t(s.bottom) - src_y);
    if (d.right <= d.left || s.right <= s.left || right <= left || bottom <= top) {
        return true;
    }
    convert_area(from, int32_t(src_x + left), int32_t(src_y + top), to, int32_t(x + left), int32_t(y + top),
                 int32_t(right - left), int32_t(bottom - top));
    return true;
}

int fill_rect(hdc_t dc, const rect_t* area, hbrush_t brush) {
    auto* b = is_gdi_object(brush) ? dynamic_cast<gdi_brush*>(brush) : nullptr;
    if (!is_dc(dc) || area == nullptr || b == nullptr) {
        return 0;
    }
    const pixel_view_t v = view_of(dc);
    if (!v.writable()) {
        return 0;
    }
    const rect_t shown{std::max(area->left, 0), std::max(area->top, 0), std::min(area->right, v.width),
                       std::min(area->bottom, v.height)};
    fill_raw(v, shown, pixel_of_rgb(v.layout, b->colour));
    return 1;
}

bool text_out(hdc_t dc, int32_t x, int32_t y, const char* text, int32_t length) {
    if (!is_dc(dc) || length < 0 || (text == nullptr && length > 0)) {
        return false;
    }
    const pixel_view_t v = view_of(dc);
    if (!v.writable()) {
        return true; // a context without pixels (the screen's) takes the text and shows nothing
    }
    const uint32_t ink = pixel_of_rgb(v.layout, dc->text_color);
    const uint32_t paper = pixel_of_rgb(v.layout, dc->bk_color);
    int32_t cell_x = x;
    for (int32_t i = 0; i < length; ++i) {
        const auto c = uint8_t(text[i]);
        if (utf8_continuation(c)) {
            continue; // one cell per character, however many bytes it takes
        }
        if (cell_x >= v.width) {
            break; // the rest is off the right edge, and stepping on could overflow
        }
        if (dc->bk_mode == opaque) {
            fill_raw(v, clip_to_view(v, cell_x, y, font_cell_width, font_cell_height), paper);
        }
        draw_glyph(v, cell_x, y, c, ink);
        cell_x += font_cell_width;
    }
    return true;
}

} // namespace plat
