#include "platform/gdi_pixels.h"

#include "platform/spread_row_16.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace plat {

namespace {

struct channel_t {
    int shift = 0;
    int width = 0;
};

channel_t channel_of(uint32_t mask) {
    if (mask == 0) {
        return {};
    }
    const int shift = std::countr_zero(mask);
    return {shift, std::countr_one(mask >> shift)};
}

struct channels_t {
    channel_t red, green, blue;
    explicit channels_t(const pixel_layout_t& l)
        : red(channel_of(l.red_mask)), green(channel_of(l.green_mask)), blue(channel_of(l.blue_mask)) {}
};

uint32_t narrow(uint8_t value, channel_t c) {
    if (c.width == 0) {
        return 0;
    }
    const uint32_t v = c.width <= 8 ? uint32_t(value) >> (8 - c.width) : uint32_t(value) << (c.width - 8);
    return v << c.shift;
}

uint8_t widen(uint32_t raw, channel_t c) {
    if (c.width == 0) {
        return 0;
    }
    const uint32_t v = (raw >> c.shift) & ((c.width >= 32 ? 0 : 1u << c.width) - 1);
    if (c.width >= 8) {
        return uint8_t(v >> (c.width - 8));
    }
    uint32_t out = 0;
    for (int pos = 8 - c.width; pos > -c.width; pos -= c.width) {
        out |= pos >= 0 ? v << pos : v >> -pos;
    }
    return uint8_t(out);
}

uint32_t pixel_of(const channels_t& c, colorref_t colour) {
    return narrow(get_r(colour), c.red) | narrow(get_g(colour), c.green) | narrow(get_b(colour), c.blue);
}

colorref_t rgb_of(const pixel_layout_t& layout, const channels_t& c, uint32_t raw) {
    if (layout.palette != nullptr) {
        if (raw >= layout.palette_size) {
            return 0;
        }
        const rgb_quad_t& q = layout.palette[raw];
        return rgb(q.red, q.green, q.blue);
    }
    return rgb(widen(raw, c.red), widen(raw, c.green), widen(raw, c.blue));
}

} // namespace

pixel_layout_t layout_of(const pixel_format_t& format) {
    pixel_layout_t l;
    l.bits = format.rgb_bit_count;
    l.red_mask = format.r_bit_mask;
    l.green_mask = format.g_bit_mask;
    l.blue_mask = format.b_bit_mask;
    if (l.bits == 8 && (l.red_mask | l.green_mask | l.blue_mask) == 0) {
        l.red_mask = 0xE0;
        l.green_mask = 0x1C;
        l.blue_mask = 0x03;
    }
    return l;
}

pixel_view_t view_of(dd_surface_t* surface) {
    pixel_view_t v;
    if (surface == nullptr) {
        return v;
    }
    v.first = surface->pixels();
    v.pitch = surface->pitch();
    v.width = int32_t(surface->width());
    v.height = int32_t(surface->height());
    v.layout = layout_of(surface->format());
    return v;
}

uint32_t pixel_of_rgb(const pixel_layout_t& layout, colorref_t colour) {
    return pixel_of(channels_t(layout), colour);
}

colorref_t rgb_of_pixel(const pixel_layout_t& layout, uint32_t raw) {
    return rgb_of(layout, channels_t(layout), raw);
}

uint32_t read_raw(const pixel_view_t& view, int32_t x, int32_t y) {
    const uint8_t* row = view.row(y);
    switch (view.layout.bits) {
    case 1:
        return row[x >> 3] >> (7 - (x & 7)) & 1;
    case 4:
        return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    case 8:
        return row[x];
    case 16: {
        uint16_t v;
        std::memcpy(&v, row + size_t(x) * 2, 2);
        return v;
    }
    case 24: {
        const uint8_t* p = row + size_t(x) * 3;
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
    }
    case 32: {
        uint32_t v;
        std::memcpy(&v, row + size_t(x) * 4, 4);
        return v;
    }
    default:
        return 0;
    }
}

void write_raw(const pixel_view_t& view, int32_t x, int32_t y, uint32_t raw) {
    uint8_t* row = view.row(y);
    switch (view.layout.bits) {
    case 8:
        row[x] = uint8_t(raw);
        break;
    case 16: {
        const uint16_t v = uint16_t(raw);
        std::memcpy(row + size_t(x) * 2, &v, 2);
        break;
    }
    case 24: {
        uint8_t* p = row + size_t(x) * 3;
        p[0] = uint8_t(raw);
        p[1] = uint8_t(raw >> 8);
        p[2] = uint8_t(raw >> 16);
        break;
    }
    case 32:
        std::memcpy(row + size_t(x) * 4, &raw, 4);
        break;
    default:
        break;
    }
}

namespace {

bool same_layout(const pixel_layout_t& a, const pixel_layout_t& b) {
    return a.palette == nullptr && b.palette == nullptr && a.bits == b.bits && a.red_mask == b.red_mask &&
           a.green_mask == b.green_mask && a.blue_mask == b.blue_mask;
}

// Colours of every raw value of a masked layout's channels, so a row converts without per-pixel loops.
struct colour_reader_t {
    const pixel_layout_t& layout;
    channels_t c;
    std::array<uint8_t, 256> red{}, green{}, blue{};

    explicit colour_reader_t(const pixel_layout_t& l) : layout(l), c(l) {
        fill(red, c.red);
        fill(green, c.green);
        fill(blue, c.blue);
    }
    static void fill(std::array<uint8_t, 256>& table, channel_t ch) {
        if (ch.width == 0 || ch.width > 8) {
            return;
        }
        for (uint32_t v = 0; v < (1u << ch.width); ++v) {
            table[v] = widen(v << ch.shift, ch);
        }
    }
    static uint32_t value(uint32_t raw, channel_t ch) {
        return ch.width == 0 ? 0 : (raw >> ch.shift) & ((1u << std::min(ch.width, 8)) - 1);
    }
    colorref_t operator()(uint32_t raw) const {
        if (layout.palette != nullptr || c.red.width > 8 || c.green.width > 8 || c.blue.width > 8) {
            return rgb_of(layout, c, raw);
        }
        return rgb(red[value(raw, c.red)], green[value(raw, c.green)], blue[value(raw, c.blue)]);
    }
};

} // namespace

namespace {

// Whether each channel fills one byte of the pixel.
bool whole_bytes(const channels_t& c) {
    auto byte = [](channel_t ch) { return ch.width == 8 && ch.shift % 8 == 0; };
    return byte(c.red) && byte(c.green) && byte(c.blue);
}

// The conversion of one masked layout of 1 to 4 bytes with channels of at most 8 bits to another masked
// layout of 1 to 4 bytes: per channel, a table from the raw channel value to the output pixel's bits.
struct row_converter_t {
    channel_t red, green, blue;
    std::array<uint32_t, 256> red_out{}, green_out{}, blue_out{};

    row_converter_t(const pixel_layout_t& from, const pixel_layout_t& to)
        : red(channel_of(from.red_mask)), green(channel_of(from.green_mask)),
          blue(channel_of(from.blue_mask)) {
        const channels_t out(to);
        fill(red_out, red, out.red);
        fill(green_out, green, out.green);
        fill(blue_out, blue, out.blue);
    }
    static bool fits(const pixel_layout_t& from, const pixel_layout_t& to) {
        const channels_t c(from);
        return from.palette == nullptr && to.palette == nullptr && from.bits % 8 == 0 && to.bits % 8 == 0 &&
               from.bits >= 8 && from.bits <= 32 && to.bits >= 8 && to.bits <= 32 && c.red.width <= 8 &&
               c.green.width <= 8 && c.blue.width <= 8;
    }
    static void fill(std::array<uint32_t, 256>& table, channel_t in, channel_t out) {
        if (in.width == 0) {
            return;
        }
        for (uint32_t v = 0; v < (1u << in.width); ++v) {
            table[v] = narrow(widen(v << in.shift, in), out);
        }
    }
    static uint32_t value(uint32_t raw, channel_t c) { return (raw >> c.shift) & ((1u << c.width) - 1); }

    template <size_t in, size_t out> void row(const uint8_t* s, uint8_t* d, int32_t n) const {
        for (int32_t i = 0; i < n; ++i, s += in, d += out) {
            uint32_t raw = 0;
            std::memcpy(&raw, s, in); // little-endian, as the pictures are
            const uint32_t p =
                red_out[value(raw, red)] | green_out[value(raw, green)] | blue_out[value(raw, blue)];
            std::memcpy(d, &p, out);
        }
    }
    template <size_t in> void row_to(const uint8_t* s, uint8_t* d, int32_t n, uint32_t out_bytes) const {
        switch (out_bytes) {
        case 1:
            return row<in, 1>(s, d, n);
        case 2:
            return row<in, 2>(s, d, n);
        case 3:
            return row<in, 3>(s, d, n);
        default:
            return row<in, 4>(s, d, n);
        }
    }
    void convert(const uint8_t* s, uint32_t in_bytes, uint8_t* d, uint32_t out_bytes, int32_t n) const {
        switch (in_bytes) {
        case 1:
            return row_to<1>(s, d, n, out_bytes);
        case 2:
            return row_to<2>(s, d, n, out_bytes);
        case 3:
            return row_to<3>(s, d, n, out_bytes);
        default:
            return row_to<4>(s, d, n, out_bytes);
        }
    }
};

} // namespace

void convert_area(const pixel_view_t& from, int32_t from_x, int32_t from_y, const pixel_view_t& to,
                  int32_t to_x, int32_t to_y, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const bool upward = from.first == to.first && to_y > from_y;
    const bool copy = same_layout(from.layout, to.layout) && from.layout.bits % 8 == 0;
    const uint32_t in_bytes = from.layout.bits / 8, out_bytes = to.layout.bits / 8;
    const channels_t to_channels(to.layout);
    if (!copy && from.first != to.first && in_bytes == 2 && out_bytes == 4 &&
        row_converter_t::fits(from.layout, to.layout) && whole_bytes(to_channels)) {
        const channels_t c(from.layout);
        const spread_channel_t spread[3] = {{c.red.shift, c.red.width, to_channels.red.shift},
                                            {c.green.shift, c.green.width, to_channels.green.shift},
                                            {c.blue.shift, c.blue.width, to_channels.blue.shift}};
        for (int32_t r = 0; r < height; ++r) {
            spread_row_16(from.row(from_y + r) + size_t(from_x) * 2, to.row(to_y + r) + size_t(to_x) * 4,
                          width, spread);
        }
        return;
    }
    if (!copy && from.first != to.first && row_converter_t::fits(from.layout, to.layout)) {
        const row_converter_t converter(from.layout, to.layout);
        for (int32_t r = 0; r < height; ++r) {
            converter.convert(from.row(from_y + r) + size_t(from_x) * in_bytes, in_bytes,
                              to.row(to_y + r) + size_t(to_x) * out_bytes, out_bytes, width);
        }
        return;
    }
    const size_t bytes = size_t(width) * in_bytes;
    const colour_reader_t read(from.layout);
    const channels_t out(to.layout);
    std::vector<uint32_t> raws(static_cast<size_t>(width));
    for (int32_t i = 0; i < height; ++i) {
        const int32_t r = upward ? height - 1 - i : i;
        if (copy) {
            std::memmove(to.row(to_y + r) + size_t(to_x) * out_bytes,
                         from.row(from_y + r) + size_t(from_x) * in_bytes, bytes);
            continue;
        }
        for (int32_t x = 0; x < width; ++x) {
            raws[size_t(x)] = read_raw(from, from_x + x, from_y + r);
        }
        for (int32_t x = 0; x < width; ++x) {
            write_raw(to, to_x + x, to_y + r, pixel_of(out, read(raws[size_t(x)])));
        }
    }
}

rect_t clip_to_view(const pixel_view_t& view, int32_t x, int32_t y, int32_t width, int32_t height) {
    const int64_t left = std::max(x, 0);
    const int64_t top = std::max(y, 0);
    const int64_t right = std::min(int64_t(x) + width, int64_t(view.width));
    const int64_t bottom = std::min(int64_t(y) + height, int64_t(view.height));
    if (right <= left || bottom <= top) {
        return {};
    }
    return {int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
}

} // namespace plat
