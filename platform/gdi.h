// Stand-in for the GDI calls the game makes: device contexts of windows, surfaces and memory, DIB
// sections, pixel get and set, bitmap copies with conversion, rectangle fills and text in a built-in font.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

constexpr colorref_t clr_invalid = 0xFFFFFFFF;

// Stock objects (get_stock_object).
constexpr int white_brush = 0;
constexpr int ltgray_brush = 1;
constexpr int gray_brush = 2;
constexpr int dkgray_brush = 3;
constexpr int black_brush = 4;
constexpr int system_font = 13;
constexpr int default_gui_font = 17;

// Background modes.
constexpr int transparent = 1;
constexpr int opaque = 2;

constexpr uint32_t srccopy = 0x00CC0020;

// Device capabilities (get_device_caps).
constexpr int bitspixel = 12;
constexpr int planes = 14;
constexpr int logpixelsy = 90;

// DIB sections.
constexpr uint32_t bi_rgb = 0;
constexpr uint32_t bi_bitfields = 3;
constexpr uint32_t dib_rgb_colors = 0;

struct bitmap_info_header_t {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0; // positive: rows stored bottom-up
    uint16_t planes = 1;
    uint16_t bit_count = 0;
    uint32_t compression = bi_rgb;
    uint32_t size_image = 0;
    int32_t x_pels_per_meter = 0;
    int32_t y_pels_per_meter = 0;
    uint32_t clr_used = 0;
    uint32_t clr_important = 0;
};

struct rgb_quad_t {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;
};

// The header and the colour table behind it (for bi_bitfields: the red, green and blue masks).
struct bitmap_info_t {
    bitmap_info_header_t header;
    std::vector<rgb_quad_t> colors;
};

// What get_object tells of a bitmap.
struct bitmap_record_t {
    int32_t bm_type = 0;
    int32_t bm_width = 0;
    int32_t bm_height = 0;
    int32_t bm_width_bytes = 0;
    uint16_t bm_planes = 0;
    uint16_t bm_bits_pixel = 0;
    void* bm_bits = nullptr;
};

struct log_font_t {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strike_out = 0;
    uint8_t char_set = 0;
    uint8_t out_precision = 0;
    uint8_t clip_precision = 0;
    uint8_t quality = 0;
    uint8_t pitch_and_family = 0;
    std::string face_name;
};

// A null window gives the screen's context, which answers get_device_caps but draws nowhere.
hdc_t get_dc(hwnd_t window);
// Shows what was drawn on a window's context.
int release_dc(hwnd_t window, hdc_t dc);
hdc_t create_compatible_dc(hdc_t dc);
bool delete_dc(hdc_t dc);
int get_device_caps(hdc_t dc, int index);

hgdiobj_t get_stock_object(int index);
// Selects a bitmap (memory contexts only) or a font; answers the one it replaces, null on failure.
hgdiobj_t select_object(hdc_t dc, hgdiobj_t object);
// False for a bitmap still selected into a context; stock objects are never deleted.
bool delete_object(hgdiobj_t object);
bool get_object(hgdiobj_t bitmap, bitmap_record_t* out);
hbitmap_t create_dib_section(hdc_t dc, const bitmap_info_t& info, uint32_t usage, void** bits);
hfont_t create_font_indirect(const log_font_t& font);

int set_bk_mode(hdc_t dc, int mode);
colorref_t set_bk_color(hdc_t dc, colorref_t colour);
colorref_t set_text_color(hdc_t dc, colorref_t colour);

colorref_t get_pixel(hdc_t dc, int32_t x, int32_t y);
// Answers the colour actually stored, clr_invalid outside the context.
colorref_t set_pixel(hdc_t dc, int32_t x, int32_t y, colorref_t colour);
// Copies with conversion from the source's pixel format to the destination's; only srccopy.
bool bit_blt(hdc_t dst, int32_t x, int32_t y, int32_t width, int32_t height, hdc_t src, int32_t src_x,
             int32_t src_y, uint32_t rop);
int fill_rect(hdc_t dc, const rect_t* area, hbrush_t brush);
// Text in the built-in 6x8 font, (x, y) the top-left corner of the first cell.
bool text_out(hdc_t dc, int32_t x, int32_t y, const char* text, int32_t length);

} // namespace plat
