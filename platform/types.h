// Plain value types shared by the stand-in platform and its callers: result codes, rectangles, colours.
#pragma once

#include <cstdint>

namespace plat {

using hresult_t = int32_t;
using colorref_t = uint32_t; // 0x00BBGGRR, as GDI packs a colour

struct rect_t {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const rect_t&, const rect_t&) = default;
};

struct point_t {
    int32_t x = 0;
    int32_t y = 0;
};

constexpr colorref_t rgb(uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}
constexpr uint8_t get_r(colorref_t c) {
    return uint8_t(c);
}
constexpr uint8_t get_g(colorref_t c) {
    return uint8_t(c >> 8);
}
constexpr uint8_t get_b(colorref_t c) {
    return uint8_t(c >> 16);
}

constexpr bool failed(hresult_t hr) {
    return hr < 0;
}
constexpr bool succeeded(hresult_t hr) {
    return hr >= 0;
}

// Opaque handles, as the game passes them around. Bitmaps, fonts and brushes share one handle type, as
// GDI objects do, so a stock object or a selected-out object can be held and handed back whatever its kind.
struct window;
struct device_context;
struct gdi_object;
using hwnd_t = window*;
using hdc_t = device_context*;
using hgdiobj_t = gdi_object*;
using hbitmap_t = gdi_object*;
using hfont_t = gdi_object*;
using hbrush_t = gdi_object*;

} // namespace plat
