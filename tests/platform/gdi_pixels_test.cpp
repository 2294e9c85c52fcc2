#include "platform/gdi_pixels.h"

#include <gtest/gtest.h>

namespace {

plat::pixel_layout_t masks(uint32_t bits, uint32_t r, uint32_t g, uint32_t b) {
    plat::pixel_format_t f;
    f.rgb_bit_count = bits;
    f.r_bit_mask = r;
    f.g_bit_mask = g;
    f.b_bit_mask = b;
    return plat::layout_of(f);
}

// Every drawing format the game knows, plus a palettised and a packed 24-bit one.
std::vector<plat::pixel_layout_t> all_layouts() {
    return {masks(8, 0, 0, 0),
            masks(16, 0xF800, 0x07E0, 0x001F),
            masks(16, 0x7C00, 0x03E0, 0x001F),
            masks(16, 0xF800, 0x07C0, 0x003E),
            masks(16, 0x0F00, 0x00F0, 0x000F),
            masks(16, 0xF000, 0x0F00, 0x00F0),
            masks(24, 0xFF0000, 0x00FF00, 0x0000FF),
            masks(32, 0xFF0000, 0x00FF00, 0x0000FF),
            masks(32, 0xFF000000, 0x00FF0000, 0x0000FF00)};
}

} // namespace

TEST(gdi_pixels, colours_keep_the_top_bits_of_each_channel) {
    const auto l565 = masks(16, 0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(plat::pixel_of_rgb(l565, plat::rgb(255, 0, 0)), 0xF800u);
    EXPECT_EQ(plat::pixel_of_rgb(l565, plat::rgb(8, 4, 8)), 0x0821u);
    EXPECT_EQ(plat::pixel_of_rgb(l565, plat::rgb(7, 3, 7)), 0u); // below one step: truncated, not rounded
    EXPECT_EQ(plat::pixel_of_rgb(masks(16, 0xF000, 0x0F00, 0x00F0), plat::rgb(255, 255, 255)), 0xFFF0u);
    EXPECT_EQ(plat::pixel_of_rgb(masks(32, 0xFF000000, 0x00FF0000, 0x0000FF00), plat::rgb(1, 2, 3)),
              0x01020300u);
    // The palettised surface's fixed 3-3-2 palette.
    EXPECT_EQ(plat::pixel_of_rgb(masks(8, 0, 0, 0), plat::rgb(255, 0, 0)), 0xE0u);
    EXPECT_EQ(plat::pixel_of_rgb(masks(8, 0, 0, 0), plat::rgb(0, 255, 0)), 0x1Cu);
    EXPECT_EQ(plat::pixel_of_rgb(masks(8, 0, 0, 0), plat::rgb(0, 0, 255)), 0x03u);
}

TEST(gdi_pixels, pixels_widen_to_full_range_colours) {
    const auto l565 = masks(16, 0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(plat::rgb_of_pixel(l565, 0xFFFF), plat::rgb(255, 255, 255));
    EXPECT_EQ(plat::rgb_of_pixel(l565, 0x0821), plat::rgb(8, 4, 8));
    EXPECT_EQ(plat::rgb_of_pixel(masks(16, 0x0F00, 0x00F0, 0x000F), 0x0A50), plat::rgb(0xAA, 0x55, 0));
    EXPECT_EQ(plat::rgb_of_pixel(masks(8, 0, 0, 0), 0x03), plat::rgb(0, 0, 255));
    EXPECT_EQ(plat::rgb_of_pixel(masks(8, 0, 0, 0), 0x04), plat::rgb(0, 0x24, 0));
}

TEST(gdi_pixels, a_pixel_read_as_a_colour_and_written_back_is_unchanged) {
    // GetPixel then SetPixel must restore a pixel exactly in every format (the colour-key probe relies on
    // it).
    for (const plat::pixel_layout_t& l : all_layouts()) {
        const uint32_t used = l.red_mask | l.green_mask | l.blue_mask;
        const uint32_t step = l.bits <= 16 ? 1 : 0x010101 * 3 + 1;
        for (uint64_t p = 0; p <= used; p += step) {
            const uint32_t pixel = uint32_t(p) & used;
            ASSERT_EQ(plat::pixel_of_rgb(l, plat::rgb_of_pixel(l, pixel)), pixel) << l.bits << " bits " << p;
        }
    }
}

TEST(gdi_pixels, converting_a_block_between_layouts_and_within_one_picture) {
    std::vector<uint16_t> from = {0xF800, 0x07E0, 0x001F, 0xFFFF};
    std::vector<uint32_t> to(4, 0);
    plat::pixel_view_t a{reinterpret_cast<uint8_t*>(from.data()), 4, 2, 2, masks(16, 0xF800, 0x07E0, 0x001F)};
    plat::pixel_view_t b{reinterpret_cast<uint8_t*>(to.data()), 8, 2, 2, masks(32, 0xFF0000, 0xFF00, 0xFF)};
    plat::convert_area(a, 0, 0, b, 0, 0, 2, 2);
    EXPECT_EQ(to, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));

    // Moving rows down within one picture reads each source row before it is overwritten.
    std::vector<uint32_t> column = {1, 2, 3, 4};
    plat::pixel_view_t c{reinterpret_cast<uint8_t*>(column.data()), 4, 1, 4,
                         masks(32, 0xFF0000, 0xFF00, 0xFF)};
    plat::convert_area(c, 0, 0, c, 0, 1, 1, 3);
    EXPECT_EQ(column, (std::vector<uint32_t>{1, 1, 2, 3}));
}

// Every pair of layouts (the 32-bit canvas among them), on a picture of random pixels: each converted
// pixel is the one the colour rules give for its source pixel (between equal layouts, the source pixel as it
// is), and nothing outside the block changes.
TEST(gdi_pixels, a_converted_block_equals_the_pixel_by_pixel_rule) {
    constexpr int32_t w = 30, h = 3; // 27 pixels a row: whole groups of eight and a rest
    for (const plat::pixel_layout_t& in : all_layouts()) {
        for (const plat::pixel_layout_t& out : all_layouts()) {
            std::vector<uint8_t> a(w * h * 4), b(w * h * 4);
            uint32_t seed = 12345;
            for (uint8_t& v : a) {
                seed = seed * 1103515245u + 12345u;
                v = uint8_t(seed >> 16);
            }
            const plat::pixel_view_t from{a.data(), w * 4, w, h, in};
            const plat::pixel_view_t to{b.data(), w * 4, w, h, out};
            plat::convert_area(from, 1, 0, to, 2, 1, w - 3, h - 1);
            for (int32_t y = 0; y < h; ++y) {
                for (int32_t x = 0; x < w; ++x) {
                    const bool inside = y >= 1 && x >= 2 && x < w - 1;
                    const uint32_t raw = inside ? plat::read_raw(from, x - 1, y - 1) : 0;
                    const bool same = in.bits == out.bits && in.red_mask == out.red_mask &&
                                      in.green_mask == out.green_mask && in.blue_mask == out.blue_mask;
                    const uint32_t expected = !inside ? 0
                                              : same  ? raw
                                                      : plat::pixel_of_rgb(out, plat::rgb_of_pixel(in, raw));
                    ASSERT_EQ(plat::read_raw(to, x, y), expected)
                        << in.bits << "-bit " << in.red_mask << " to " << out.bits << "-bit " << out.red_mask
                        << " at " << x << "," << y;
                }
            }
        }
    }
}
