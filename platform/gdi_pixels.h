// Pixels as GDI sees them: a view of rows in some pixel layout, and the one rule that turns a colour into a
// pixel of that layout (used by every conversion, so a converted bitmap pixel equals a colour key exactly).
#pragma once

#include "platform/ddraw.h"
#include "platform/gdi.h"

#include <cstddef>
#include <cstdint>

namespace plat {

struct pixel_layout_t {
    uint32_t bits = 0;
    uint32_t red_mask = 0;
    uint32_t green_mask = 0;
    uint32_t blue_mask = 0;
    const rgb_quad_t* palette = nullptr; // indexed bitmaps only; such views are read-only
    uint32_t palette_size = 0;
};

struct pixel_view_t {
    uint8_t* first = nullptr; // row 0, the top row
    ptrdiff_t pitch = 0;      // negative for bottom-up bitmaps
    int32_t width = 0;
    int32_t height = 0;
    pixel_layout_t layout;

    bool valid() const { return first != nullptr; }
    bool writable() const { return first != nullptr && layout.palette == nullptr; }
    uint8_t* row(int32_t y) const { return first + ptrdiff_t(y) * pitch; }
};

// A surface's layout. An 8-bit surface without masks is palettised with the fixed 3-3-2 palette
// (red in bits 5-7, green in bits 2-4, blue in bits 0-1).
pixel_layout_t layout_of(const pixel_format_t& format);
pixel_view_t view_of(dd_surface_t* surface);

// Each channel keeps its top bits: value >> (8 - width) << shift.
uint32_t pixel_of_rgb(const pixel_layout_t& layout, colorref_t colour);
// Each channel widened to 8 bits by repeating its bits, so pixel_of_rgb(rgb_of_pixel(p)) == p.
colorref_t rgb_of_pixel(const pixel_layout_t& layout, uint32_t raw);

uint32_t read_raw(const pixel_view_t& view, int32_t x, int32_t y);
void write_raw(const pixel_view_t& view, int32_t x, int32_t y, uint32_t raw);
// Copies a width x height block (inside both views) pixel by pixel through its colour, by the two rules
// above. Within one picture the rows go in the order that keeps an overlapping copy intact.
void convert_area(const pixel_view_t& from, int32_t from_x, int32_t from_y, const pixel_view_t& to,
                  int32_t to_x, int32_t to_y, int32_t width, int32_t height);

// The part of (x, y, x + width, y + height) inside the view; empty (right <= left) when none.
rect_t clip_to_view(const pixel_view_t& view, int32_t x, int32_t y, int32_t width, int32_t height);

} // namespace plat
