// Surface copies: colour fill, scaled copy by nearest pixel, unscaled copy, each optionally skipping the
// source's colour-key pixels. Both surfaces must share one pixel format; nothing is converted here.
#include "platform/dd_keyed.h"
#include "platform/dd_keyed_rows.h"
#include "platform/ddraw.h"
#include "platform/present.h"
#include "platform/window.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace plat {

namespace {

struct blit_t {
    const uint8_t* src;
    ptrdiff_t src_pitch;
    uint8_t* dst;
    ptrdiff_t dst_pitch;
    rect_t from;  // source rectangle, relative to src
    rect_t to;    // destination rectangle before clipping
    rect_t shown; // the part of `to` that is drawn
    bool keyed;
    color_key_t key;
};

// The key range cut to the values a pixel of `bytes` bytes can hold; false when none of them is in it (a
// range whose ends are the wrong way round holds nothing).
bool key_in_pixel_range(const color_key_t& key, uint32_t bytes, uint32_t* low, uint32_t* high) {
    const uint32_t largest = bytes >= 4 ? ~0u : (1u << (8 * bytes)) - 1;
    *low = key.color_space_low_value;
    *high = std::min(key.color_space_high_value, largest);
    return key.color_space_high_value >= *low && *low <= largest;
}

// n 16-bit pixels, each stored twice; eight at a time through one register.
void double_row_16(const uint8_t* from, uint8_t* to, size_t n) {
    typedef uint16_t lanes_t __attribute__((vector_size(16)));
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        lanes_t v;
        std::memcpy(&v, from + 2 * i, sizeof v);
        const lanes_t low = __builtin_shufflevector(v, v, 0, 0, 1, 1, 2, 2, 3, 3);
        const lanes_t high = __builtin_shufflevector(v, v, 4, 4, 5, 5, 6, 6, 7, 7);
        std::memcpy(to + 4 * i, &low, sizeof low);
        std::memcpy(to + 4 * i + sizeof low, &high, sizeof high);
    }
    for (; i < n; ++i) {
        const uint32_t p = load_pixel<2>(from + 2 * i);
        store_pixel<4>(to + 4 * i, p | p << 16);
    }
}

template <size_t bytes> void run_scaled(const blit_t& b, int64_t sw, int64_t sh, int64_t dw, int64_t dh) {
    uint32_t low = 0, high = 0;
    const bool keyed = b.keyed && key_in_pixel_range(b.key, bytes, &low, &high);
    // The source column of every shown column, worked out once for all rows.
    std::vector<int64_t> columns(size_t(b.shown.right - b.shown.left));
    for (size_t i = 0; i < columns.size(); ++i) {
        columns[i] = (b.from.left + (b.shown.left + int64_t(i) - b.to.left) * sw / dw) * int64_t(bytes);
    }
    // Whole columns doubled, the presentation's usual enlargement: two pixels stored as one word.
    const bool doubled = bytes == 2 && !keyed && dw == 2 * sw && (b.shown.left - b.to.left) % 2 == 0 &&
                         columns.size() % 2 == 0;
    int64_t previous_sy = -1;
    for (int32_t y = b.shown.top; y < b.shown.bottom; ++y) {
        const int64_t sy = b.from.top + (y - int64_t(b.to.top)) * sh / dh;
        const uint8_t* srow = b.src + sy * b.src_pitch;
        uint8_t* d = b.dst + ptrdiff_t(y) * b.dst_pitch + size_t(b.shown.left) * bytes;
        // An enlarged picture repeats source rows: an unkeyed copy repeats the row drawn just before.
        if (!keyed && sy == previous_sy) {
            std::memcpy(d, d - b.dst_pitch, columns.size() * bytes);
            continue;
        }
        previous_sy = sy;
        if (doubled) {
            double_row_16(srow + columns[0], d, columns.size() / 2);
            continue;
        }
        for (size_t i = 0; i < columns.size(); ++i, d += bytes) {
            const uint32_t p = load_pixel<bytes>(srow + columns[i]);
            if (!keyed || p - low > high - low) {
                store_pixel<bytes>(d, p);
            }
        }
    }
}

// rows rows of n pixels from s to d, skipping the pixels in key's range when there is a key.
void copy_unscaled(const uint8_t* s, ptrdiff_t src_pitch, uint8_t* d, ptrdiff_t dst_pitch, int32_t n,
                   int32_t rows, uint32_t bytes, const color_key_t* key) {
    uint32_t low = 0, high = 0;
    if (key != nullptr && key_in_pixel_range(*key, bytes, &low, &high)) {
        copy_keyed_rows({s, src_pitch, d, dst_pitch, n, rows, low, high}, bytes);
        return;
    }
    for (int32_t y = 0; y < rows; ++y) {
        std::memmove(d + y * dst_pitch, s + y * src_pitch, size_t(n) * bytes);
    }
}

template <size_t bytes> void run(const blit_t& b) {
    // Widened first: a clipped destination may span more than int32 holds.
    const int64_t dw = int64_t(b.to.right) - b.to.left;
    const int64_t dh = int64_t(b.to.bottom) - b.to.top;
    const int64_t sw = int64_t(b.from.right) - b.from.left;
    const int64_t sh = int64_t(b.from.bottom) - b.from.top;
    if (dw != sw || dh != sh) {
        run_scaled<bytes>(b, sw, sh, dw, dh);
        return;
    }
    const int64_t sx = b.from.left + (b.shown.left - int64_t(b.to.left));
    const int64_t sy = b.from.top + (b.shown.top - int64_t(b.to.top));
    const uint8_t* s = b.src + sy * b.src_pitch + sx * int64_t(bytes);
    uint8_t* d = b.dst + ptrdiff_t(b.shown.top) * b.dst_pitch + size_t(b.shown.left) * bytes;
    copy_unscaled(s, b.src_pitch, d, b.dst_pitch, b.shown.right - b.shown.left, b.shown.bottom - b.shown.top,
                  bytes, b.keyed ? &b.key : nullptr);
}

void run_any(const blit_t& b, uint32_t bytes_per_pixel) {
    switch (bytes_per_pixel) {
    case 1:
        run<1>(b);
        break;
    case 2:
        run<2>(b);
        break;
    case 3:
        run<3>(b);
        break;
    default:
        run<4>(b);
        break;
    }
}

bool ordered(const rect_t& r) {
    return r.left <= r.right && r.top <= r.bottom;
}

bool empty(const rect_t& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

bool within(const rect_t& r, const dd_surface_t& s) {
    return ordered(r) && r.left >= 0 && r.top >= 0 && r.right <= int32_t(s.width()) &&
           r.bottom <= int32_t(s.height());
}

rect_t intersect(const rect_t& a, const rect_t& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool same_format(const pixel_format_t& a, const pixel_format_t& b) {
    return a.rgb_bit_count == b.rgb_bit_count && a.r_bit_mask == b.r_bit_mask &&
           a.g_bit_mask == b.g_bit_mask && a.b_bit_mask == b.b_bit_mask;
}

} // namespace

// Where a blit may draw: the whole surface, or with a clipper only its window's client area on it.
rect_t dd_surface_t::drawable_area() const {
    const rect_t whole{0, 0, int32_t(width_), int32_t(height_)};
    if (clipper_ == nullptr || clipper_->hwnd() == nullptr) {
        return whole;
    }
    rect_t client;
    point_t origin;
    if (!get_client_rect(clipper_->hwnd(), &client) || !client_to_screen(clipper_->hwnd(), &origin)) {
        return {};
    }
    return intersect(whole, {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
}

hresult_t dd_surface_t::blt(const rect_t* dst, dd_surface_t* src, const rect_t* src_area, uint32_t flags,
                            const blt_fx_t* fx) {
    const rect_t whole{0, 0, int32_t(width_), int32_t(height_)};
    const rect_t to = dst != nullptr ? *dst : whole;
    if (!ordered(to) || (clipper_ == nullptr && !within(to, *this))) {
        return dderr_invalidrect;
    }
    if (const hresult_t hr = busy_or_lost(); hr != dd_ok) {
        return hr;
    }
    const rect_t shown = intersect(to, drawable_area());
    if (flags & ddblt_colorfill) {
        if (fx == nullptr) {
            return dderr_invalidparams;
        }
        const uint32_t bits = format_.rgb_bit_count;
        const uint32_t colour = bits >= 32 ? fx->fill_color : fx->fill_color & ((1u << bits) - 1);
        if (!empty(shown)) {
            const size_t bytes = bytes_per_pixel();
            std::vector<uint8_t> row(size_t(shown.right - shown.left) * bytes);
            for (size_t i = 0; i < row.size(); i += bytes) {
                std::memcpy(row.data() + i, &colour, bytes);
            }
            for (int32_t y = shown.top; y < shown.bottom; ++y) {
                std::memcpy(pixels() + ptrdiff_t(y) * pitch_ + size_t(shown.left) * bytes, row.data(),
                            row.size());
            }
        }
        shown_if_primary();
        return dd_ok;
    }
    if (src == nullptr) {
        return dderr_invalidparams;
    }
    if (const hresult_t hr = src->busy_or_lost(); hr != dd_ok) {
        return hr;
    }
    const rect_t from =
        src_area != nullptr ? *src_area : rect_t{0, 0, int32_t(src->width()), int32_t(src->height())};
    if (!within(from, *src)) {
        return dderr_invalidrect;
    }
    if (!same_format(format_, src->format())) {
        return dderr_invalidpixelformat;
    }
    if (empty(from) || empty(to) || empty(shown)) {
        return dd_ok;
    }
    // A copy within one surface reads from a snapshot, so overlapping rectangles come out right.
    std::vector<uint8_t> snapshot;
    const uint8_t* src_pixels = src->pixels();
    if (src == this) {
        snapshot.assign(pixels(), pixels() + size_t(pitch_) * height_);
        src_pixels = snapshot.data();
    }
    const bool keyed = (flags & ddblt_keysrc) && src->has_src_key_;
    // A frame's copy to the screen: the window's pixels of it come straight from the source.
    const bool frame_copy = is_primary() && !keyed && src != this && shown == to;
    if (frame_copy && show_frame_copy(src, from, to)) {
        return dd_ok;
    }
    run_any({src_pixels, src->pitch(), pixels(), pitch_, from, to, shown, keyed, src->src_key_},
            bytes_per_pixel());
    if (frame_copy) {
        present_primary(this);
    } else {
        shown_if_primary();
    }
    return dd_ok;
}

// The presentation takes the copy's source pixels into frame_copy_ as it shows them; a pending copy that
// the new one does not cover is made first, before its pixels are replaced.
bool dd_surface_t::show_frame_copy(dd_surface_t* src, const rect_t& from, const rect_t& to) {
    const rect_t& kept = frame_copy_.to;
    const bool covered =
        kept.left >= to.left && kept.top >= to.top && kept.right <= to.right && kept.bottom <= to.bottom;
    if (frame_copy_.pending && !covered) {
        finish_pending_copy();
    }
    if (!present_primary_copy(this, src, from, to, frame_copy_.pixels)) {
        return false;
    }
    frame_copy_.to = to;
    frame_copy_.width = from.right - from.left;
    frame_copy_.height = from.bottom - from.top;
    frame_copy_.pending = true;
    return true;
}

void dd_surface_t::finish_pending_copy() {
    frame_copy_.pending = false;
    const rect_t from{0, 0, frame_copy_.width, frame_copy_.height};
    run_any({frame_copy_.pixels.data(),
             ptrdiff_t(frame_copy_.width) * bytes_per_pixel(),
             pixels_.get(),
             pitch_,
             from,
             frame_copy_.to,
             frame_copy_.to,
             false,
             {}},
            bytes_per_pixel());
}

hresult_t dd_surface_t::blt_fast(uint32_t x, uint32_t y, dd_surface_t* src, const rect_t* src_area,
                                 uint32_t flags) {
    if (src == nullptr) {
        return dderr_invalidparams;
    }
    if (clipper_ != nullptr) {
        return dderr_bltfastcantclip;
    }
    const rect_t from =
        src_area != nullptr ? *src_area : rect_t{0, 0, int32_t(src->width()), int32_t(src->height())};
    if (!within(from, *src)) {
        return dderr_invalidrect;
    }
    const int64_t right = int64_t(x) + (from.right - from.left);
    const int64_t bottom = int64_t(y) + (from.bottom - from.top);
    if (right > int64_t(width_) || bottom > int64_t(height_)) {
        return dderr_invalidrect;
    }
    const rect_t to{int32_t(x), int32_t(y), int32_t(right), int32_t(bottom)};
    const bool keyed = (flags & ddbltfast_srccolorkey) != 0;
    if (src == this) {
        return blt(&to, src, &from, keyed ? ddblt_keysrc : 0, nullptr);
    }
    // Sprites and map cells come this way by the thousand each frame: with no clipper and no overlap, the
    // copy goes straight to the rows, with the checks blt would make in the order it makes them.
    if (const hresult_t hr = busy_or_lost(); hr != dd_ok) {
        return hr;
    }
    if (const hresult_t hr = src->busy_or_lost(); hr != dd_ok) {
        return hr;
    }
    if (!same_format(format_, src->format())) {
        return dderr_invalidpixelformat;
    }
    if (empty(from)) {
        return dd_ok;
    }
    // Nothing is clipped or scaled here, so the rows go straight to the copy.
    const uint32_t bytes = bytes_per_pixel();
    copy_unscaled(src->pixels() + ptrdiff_t(from.top) * src->pitch() + ptrdiff_t(from.left) * bytes,
                  src->pitch(), pixels() + ptrdiff_t(y) * pitch_ + ptrdiff_t(x) * bytes, pitch_,
                  from.right - from.left, from.bottom - from.top, bytes,
                  keyed && src->has_src_key_ ? &src->src_key_ : nullptr);
    shown_if_primary();
    return dd_ok;
}

} // namespace plat
