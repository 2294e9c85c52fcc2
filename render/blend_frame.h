// What every blend blitter shares: clipping, locking both surfaces, the source colour key and the walk over
// rows, with the per-pixel rule and the pixel format as template arguments.
#pragma once

#include "render/blend_rows.h"
#include "render/blend_wide.h"
#include "umlib/pixel_formats.h"
#include "umlib/surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace blend {

// A rectangle in 64-bit coordinates, so that position plus size cannot overflow.
struct span_t {
    int64_t left, top, right, bottom;
};

inline span_t intersect(const span_t& a, const span_t& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

template <class F> bool holds_format(const plat::surface_desc_t& desc) {
    return desc.pixel_format.rgb_bit_count == 8 * sizeof(typename F::pixel_t);
}

template <class F> uint8_t* pixel_at(const plat::surface_desc_t& desc, int64_t column, int64_t row) {
    return static_cast<uint8_t*>(desc.surface) + ptrdiff_t(row) * desc.pitch +
           ptrdiff_t(column) * ptrdiff_t(sizeof(typename F::pixel_t));
}

template <class F, class Rule>
void draw(const Rule& rule, const plat::surface_desc_t& src, int64_t sx, int64_t sy,
          const plat::surface_desc_t& dst, int64_t dx, int64_t dy, int32_t width, int32_t height) {
    const uint32_t key = typename F::pixel_t(src.ck_src_blt.color_space_low_value);
    if constexpr (sizeof(typename F::pixel_t) == 2) {
        // An odd first column goes alone, so that the rest moves in 32-bit pairs.
        if (width & 1) {
            for (int32_t row = 0; row < height; ++row) {
                draw_pixel<F>(rule, pixel_at<F>(src, sx, sy + row), pixel_at<F>(dst, dx, dy + row), key);
            }
            --width;
            ++sx;
            ++dx;
        }
        if (width == 0) {
            return;
        }
    }
    if constexpr (has_wide_blocks<Rule> && sizeof(typename F::pixel_t) > 1) {
        const uint8_t* s = pixel_at<F>(src, sx, sy);
        uint8_t* d = pixel_at<F>(dst, dx, dy);
        const int32_t widest =
            halved_registers && !wide_rows_pay_when_halved<Rule, F> ? std::min(row_bytes, 32) : row_bytes;
        if (widest >= 64 && width >= wide_step<64, F>) {
            draw_wide_rows<64, F>(rule, s, src.pitch, d, dst.pitch, width, height, key);
            return;
        }
        if (widest >= 32 && width >= wide_step<32, F>) {
            draw_wide_rows<32, F>(rule, s, src.pitch, d, dst.pitch, width, height, key);
            return;
        }
    }
    for (int32_t row = 0; row < height; ++row) {
        draw_row<F>(rule, pixel_at<F>(src, sx, sy + row), pixel_at<F>(dst, dx, dy + row), width, key);
    }
}

// Draws source_rect of source at (x, y) of destination, inside clip, under rule. Returns dd_ok, a failing
// lock's code, dderr_invalidrect for a source rectangle that is not inside the source surface, or
// dderr_invalidpixelformat for a surface whose pixel size is not the format's.
template <class F, class Rule>
plat::hresult_t blit(const Rule& rule, umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    if (destination == nullptr || destination->surface == nullptr || source == nullptr ||
        source->surface == nullptr || clip == nullptr || source_rect == nullptr) {
        return plat::dderr_invalidparams;
    }
    const span_t s{source_rect->left, source_rect->top, source_rect->right, source_rect->bottom};
    if (s.right < s.left || s.bottom < s.top) {
        return plat::dderr_invalidrect;
    }
    const span_t d{x, y, x + (s.right - s.left), y + (s.bottom - s.top)};
    const span_t c{clip->left, clip->top, clip->right, clip->bottom};
    if (!(d.left < c.right && c.left < d.right && d.top < c.bottom && c.top < d.bottom)) {
        return plat::dd_ok;
    }

    plat::surface_desc_t src;
    const umlib::surface_locker_t source_lock(source, &src);
    if (source_lock.result != plat::dd_ok) {
        return source_lock.result;
    }
    // The blitter reads raw memory: a rectangle outside the source would read outside the surface.
    if (s.left < 0 || s.top < 0 || s.right > int64_t(src.width) || s.bottom > int64_t(src.height)) {
        return plat::dderr_invalidrect;
    }
    if (!holds_format<F>(src)) {
        return plat::dderr_invalidpixelformat;
    }
    plat::surface_desc_t dst;
    const umlib::surface_locker_t destination_lock(destination, &dst);
    if (destination_lock.result != plat::dd_ok) {
        return destination_lock.result;
    }
    if (!holds_format<F>(dst)) {
        return plat::dderr_invalidpixelformat;
    }

    // The clip rectangle is trusted to lie inside the destination; holding it to the surface keeps a wrong
    // one from writing outside the surface's memory.
    const span_t inside = intersect(c, {0, 0, int64_t(dst.width), int64_t(dst.height)});
    const span_t drawn = intersect(d, inside);
    if (drawn.right <= drawn.left || drawn.bottom <= drawn.top) {
        return plat::dd_ok;
    }
    draw<F>(rule, src, s.left + drawn.left - x, s.top + drawn.top - y, dst, drawn.left, drawn.top,
            int32_t(drawn.right - drawn.left), int32_t(drawn.bottom - drawn.top));
    return plat::dd_ok;
}

template <class F, class Rule>
[[gnu::noinline]] plat::hresult_t
blit_out_of_line(Rule rule, umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                 umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blit<F>(rule, destination, clip, x, y, source, source_rect);
}

// blit in the format of the primary surface (pixel_format_code); any other format draws nothing and gives
// dd_ok, so the caller goes on as after a drawing. Each format's blit is a function of its own with its own
// copy of the rule: one the pixel writes might alias would be read again for every pixel.
template <class Rule>
plat::hresult_t blit_primary_format(const Rule& rule, umlib::surface_t* destination, const plat::rect_t* clip,
                                    int32_t x, int32_t y, umlib::surface_t* source,
                                    const plat::rect_t* source_rect) {
    plat::hresult_t result = plat::dd_ok;
    visit_format(pixel_format_code, [&](auto format) {
        result = blit_out_of_line<decltype(format)>(rule, destination, clip, x, y, source, source_rect);
    });
    return result;
}

} // namespace blend
