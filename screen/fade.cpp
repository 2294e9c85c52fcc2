#include "screen/fade.h"

#include "umlib/pixel_formats.h"
#include "umlib/surface.h"

#include <algorithm>

namespace {

int32_t fade_channel_565(int32_t c, int32_t t, int32_t weight) {
    return c + ((t - c + 64) * weight >> 8) - (weight >> 2);
}

// The area within the surface, or false when they do not overlap.
bool clip_to_surface(const umlib::surface_t* surface, const plat::rect_t& area, plat::rect_t& out) {
    const plat::rect_t& r = surface->rect;
    if (!(area.left < r.right && r.left < area.right && area.top < r.bottom && r.top < area.bottom)) {
        return false;
    }
    out = {std::max(area.left, r.left), std::max(area.top, r.top), std::min(area.right, r.right),
           std::min(area.bottom, r.bottom)};
    return true;
}

// Calls change(row, width) on every row of the area in the locked surface, from the top.
template <class Pixel, class Change>
void change_rows(umlib::surface_t* surface, const plat::rect_t& area, int32_t width, Change change) {
    plat::rect_t a;
    if (!clip_to_surface(surface, area, a)) {
        return;
    }
    plat::surface_desc_t desc;
    umlib::surface_locker_t lock(surface, &desc);
    if (lock.result != plat::dd_ok || desc.pixel_format.rgb_bit_count != 8 * sizeof(Pixel)) {
        return;
    }
    width = std::min(width, a.right - a.left);
    for (int32_t y = a.top; y < a.bottom; ++y) {
        change(reinterpret_cast<Pixel*>(static_cast<uint8_t*>(desc.surface) + size_t(y) * desc.pitch) +
                   a.left,
               width);
    }
}

template <class F>
void fade_format(umlib::surface_t* surface, const plat::rect_t& area, uint32_t colour, int32_t weight) {
    using pixel_t = typename F::pixel_t;
    change_rows<pixel_t>(surface, area, area.right - area.left,
                         [=](pixel_t* row, int32_t n) { fade_row<F>(row, n, colour, weight); });
}

} // namespace

uint16_t fade_pixel_565(uint16_t pixel, uint16_t colour, int32_t weight) {
    const int32_t r = fade_channel_565(pixel >> 11, colour >> 11, weight);
    const int32_t g = fade_channel_565(pixel >> 5 & 0x3F, colour >> 5 & 0x3F, weight);
    const int32_t b = fade_channel_565(pixel & 0x1F, colour & 0x1F, weight);
    return uint16_t((r & 0x1F) << 11 | (g & 0x3F) << 5 | (b & 0x1F));
}

void fade_area_565(umlib::surface_t* surface, const plat::rect_t& area, uint32_t colour, int32_t weight) {
    const int32_t groups = std::max(0, area.right - area.left) / 4;
    change_rows<uint16_t>(surface, area, groups * 4,
                          [=](uint16_t* row, int32_t n) { fade_row_565(row, n, uint16_t(colour), weight); });
}

void fade_area(int32_t format_code, umlib::surface_t* surface, const plat::rect_t& area, uint32_t colour,
               int32_t weight) {
    blend::visit_format(format_code, [&](auto format) {
        using F = decltype(format);
        // 5-6-5 has its own fade with its own rounding, fade_area_565.
        if constexpr (F::code != blend::format_565::code) {
            fade_format<F>(surface, area, colour, weight);
        }
    });
}
