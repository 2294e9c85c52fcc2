// The eight drawing formats as traits (code, pixel size, channel masks and shifts, and the packed-pixel
// constants of the blend blitters' averaging and saturating rules), and the one place that maps a
// pixel-format code to its traits.
#pragma once

#include <cstdint>

namespace blend {

// The packed rules work on whole pixels. Their constants follow from the channel masks; the checks at the
// end of this file keep the tables honest.
//   average_mask: every channel bit but the lowest of each channel (no spare bit);
//   carry_mask:   the bit just above the top of each channel;
//   carry_fill:   every channel bit but the top one of each channel;
//   carry_down:   moves each carry bit onto the lowest bit of its own channel.
// packed_shift: the format whose spare byte lies below the channels runs the packed rules on pixels shifted
// right by it, with the constants of the format whose spare byte lies above.

struct format_8 {
    static constexpr int32_t code = 8;
    using pixel_t = uint8_t;
    static constexpr bool has_channels = false;
    static constexpr uint32_t red_mask = 0, green_mask = 0, blue_mask = 0;
    static constexpr int red_shift = 0, green_shift = 0, blue_shift = 0;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0;
};

struct format_565 {
    static constexpr int32_t code = 0x565;
    using pixel_t = uint16_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0xF800, green_mask = 0x07E0, blue_mask = 0x001F;
    static constexpr int red_shift = 11, green_shift = 5, blue_shift = 0;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0xF7DE;
    static constexpr uint32_t carry_mask = 0x00010820;
    static constexpr uint32_t carry_fill = 0x7BEF;
    template <class W> static constexpr W carry_down(W c) { return ((c >> 5) | (c >> 6)) & 0x0821u; }
};

struct format_a555 {
    static constexpr int32_t code = 0xA555;
    using pixel_t = uint16_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0x7C00, green_mask = 0x03E0, blue_mask = 0x001F;
    static constexpr int red_shift = 10, green_shift = 5, blue_shift = 0;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0x7BDE;
    static constexpr uint32_t carry_mask = 0x00008420;
    static constexpr uint32_t carry_fill = 0x3DEF;
    template <class W> static constexpr W carry_down(W c) { return c >> 5; }
};

struct format_555a {
    static constexpr int32_t code = 0x555A;
    using pixel_t = uint16_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0xF800, green_mask = 0x07C0, blue_mask = 0x003E;
    static constexpr int red_shift = 11, green_shift = 6, blue_shift = 1;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0xF7BC;
    static constexpr uint32_t carry_mask = 0x00010840;
    static constexpr uint32_t carry_fill = 0x7BDE;
    template <class W> static constexpr W carry_down(W c) { return c >> 5; }
};

struct format_a444 {
    static constexpr int32_t code = 0xA444;
    using pixel_t = uint16_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0x0F00, green_mask = 0x00F0, blue_mask = 0x000F;
    static constexpr int red_shift = 8, green_shift = 4, blue_shift = 0;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0x0EEE;
    static constexpr uint32_t carry_mask = 0x00001110;
    static constexpr uint32_t carry_fill = 0x0777;
    template <class W> static constexpr W carry_down(W c) { return c >> 4; }
};

struct format_444a {
    static constexpr int32_t code = 0x444A;
    using pixel_t = uint16_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0xF000, green_mask = 0x0F00, blue_mask = 0x00F0;
    static constexpr int red_shift = 12, green_shift = 8, blue_shift = 4;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0xEEE0;
    static constexpr uint32_t carry_mask = 0x00011100;
    static constexpr uint32_t carry_fill = 0x7770;
    template <class W> static constexpr W carry_down(W c) { return c >> 4; }
};

struct format_a888 {
    static constexpr int32_t code = 0xA888;
    using pixel_t = uint32_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0x00FF0000, green_mask = 0x0000FF00, blue_mask = 0x000000FF;
    static constexpr int red_shift = 16, green_shift = 8, blue_shift = 0;
    static constexpr int packed_shift = 0;
    static constexpr uint32_t average_mask = 0x00FEFEFE;
    static constexpr uint32_t carry_mask = 0x01010100;
    static constexpr uint32_t carry_fill = 0x007F7F7F;
    template <class W> static constexpr W carry_down(W c) { return c >> 8; }
};

struct format_888a {
    static constexpr int32_t code = 0x888A;
    using pixel_t = uint32_t;
    static constexpr bool has_channels = true;
    static constexpr uint32_t red_mask = 0xFF000000, green_mask = 0x00FF0000, blue_mask = 0x0000FF00;
    static constexpr int red_shift = 24, green_shift = 16, blue_shift = 8;
    static constexpr int packed_shift = 8;
    static constexpr uint32_t average_mask = format_a888::average_mask;
    static constexpr uint32_t carry_mask = format_a888::carry_mask;
    static constexpr uint32_t carry_fill = format_a888::carry_fill;
    template <class W> static constexpr W carry_down(W c) { return format_a888::carry_down(c); }
};

template <class... F> struct format_list_t {
    // Calls visit(F{}) for every format, in the order listed.
    template <class Visit> static void each(Visit&& visit) { (visit(F{}), ...); }
};

// The drawing formats, in the order every caller tries them.
using drawing_formats_t = format_list_t<format_8, format_565, format_a555, format_555a, format_a444,
                                        format_444a, format_a888, format_888a>;

// Calls visit(F{}) with the traits of the format whose code is code; false when no drawing format has it.
template <class Visit> bool visit_format(int32_t code, Visit&& visit) {
    bool found = false;
    drawing_formats_t::each([&](auto format) {
        if (!found && decltype(format)::code == code) {
            found = true;
            visit(format);
        }
    });
    return found;
}

namespace check {

constexpr uint32_t lowest_bit(uint32_t mask) {
    return mask & (~mask + 1);
}
constexpr uint32_t top_bit(uint32_t mask) {
    return (mask + lowest_bit(mask)) >> 1;
}

template <class F> constexpr uint32_t without_lowest_bits() {
    constexpr uint32_t r = F::red_mask >> F::packed_shift, g = F::green_mask >> F::packed_shift,
                       b = F::blue_mask >> F::packed_shift;
    return (r & ~lowest_bit(r)) | (g & ~lowest_bit(g)) | (b & ~lowest_bit(b));
}

template <class F> constexpr bool packed_constants_agree() {
    constexpr uint32_t r = F::red_mask >> F::packed_shift, g = F::green_mask >> F::packed_shift,
                       b = F::blue_mask >> F::packed_shift;
    const uint32_t above = (r + lowest_bit(r)) | (g + lowest_bit(g)) | (b + lowest_bit(b));
    const uint32_t fill = (r & ~top_bit(r)) | (g & ~top_bit(g)) | (b & ~top_bit(b));
    return F::average_mask == without_lowest_bits<F>() && F::carry_mask == above && F::carry_fill == fill &&
           F::carry_down(above) == (lowest_bit(r) | lowest_bit(g) | lowest_bit(b));
}

static_assert(format_8::average_mask == 0);
static_assert(packed_constants_agree<format_565>());
static_assert(packed_constants_agree<format_a555>());
static_assert(packed_constants_agree<format_555a>());
static_assert(packed_constants_agree<format_a444>());
static_assert(packed_constants_agree<format_444a>());
static_assert(packed_constants_agree<format_a888>());
static_assert(packed_constants_agree<format_888a>());

} // namespace check

} // namespace blend
