#include "screen/fade.h"
#include "screen/vscreen.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/pixel_formats.h"

#include <random>
#include <vector>

namespace {

using screen_fade = screen_fixture_t;

} // namespace

TEST(fade_rule, five_six_five_has_its_own_biased_rule) {
    EXPECT_EQ(fade_pixel_565(0xFFFF, 0, 128), 0x7BEF); // 31 -> 15, 63 -> 31
    EXPECT_EQ(fade_pixel_565(0x1234, 0xABCD, 0), 0x1234);
    EXPECT_EQ(fade_pixel_565(0x1234, 0xABCD, 256), 0xABCD);
    // Toward white: c + floor((t - c + 64) w / 256) - floor(w / 4); 0 -> 31 x 96 / 256 + 24 - 24.
    EXPECT_EQ(fade_pixel_565(0x0000, 0xFFFF, 96), (11 << 11) | (23 << 5) | 11);
    // Not the plain rule: 1 toward 0 at weight 1 stays 1, where (256 - 1) >> 8 would give 0.
    EXPECT_EQ(fade_pixel_565(0x0001, 0x0000, 1), 0x0001);
    EXPECT_EQ(fade_pixel<blend::format_565>(0x0001, 0x0000, 1), 0x0000u);
}

TEST(fade_rule, the_other_formats_mix_each_channel_and_clear_the_spare_bits) {
    EXPECT_EQ(fade_pixel<blend::format_a888>(0xFF808080, 0, 128), 0x00404040u);
    EXPECT_EQ(fade_pixel<blend::format_888a>(0x808080FF, 0, 128), 0x40404000u);
    // Red stays, green and blue go a quarter of the way to 0: 31 x 192 / 256 = 23.
    EXPECT_EQ(fade_pixel<blend::format_a555>(0xFFFF, 0x7C00, 64), (31u << 10) | (23 << 5) | 23);
    EXPECT_EQ(fade_pixel<blend::format_555a>(0xFFFF, 0xF800, 64), (31u << 11) | (23 << 6) | (23 << 1));
    EXPECT_EQ(fade_pixel<blend::format_a444>(0xFFFF, 0, 128), 0x0777u);
    EXPECT_EQ(fade_pixel<blend::format_444a>(0xFFFF, 0, 128), 0x7770u);
    EXPECT_EQ(fade_pixel<blend::format_8>(0xAB, 0xCD, 100), 0u);
    // Toward a brighter colour the channel rises: 0 + (255 x 100) >> 8 = 99.
    EXPECT_EQ(fade_pixel<blend::format_a888>(0, 0xFFFFFF, 100), 0x00636363u);
}

TEST(fade_rule, areas_are_clipped_to_the_surface_and_565_leaves_a_remainder_of_four) {
    blend_test::surfaces_t made;
    auto s565 = made.make(blend_test::formats[1], 8, 2);
    fill(*s565, 0xFFFF);
    fade_area_565(s565.get(), {1, 0, 7, 1}, 0, 256);
    // Columns 1 to 4 form a group; 5 and 6 are the remainder; row 1 is outside the area.
    EXPECT_EQ(blend_test::pixels(*s565),
              (std::vector<uint32_t>{0xFFFF, 0, 0, 0, 0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                     0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}));

    for (const auto& [format, half] :
         {std::pair{blend_test::formats[4], 0x0777u}, std::pair{blend_test::formats[5], 0x7770u}}) {
        SCOPED_TRACE(format.name);
        auto s444 = made.make(format, 3, 3);
        fill(*s444, 0xFFFF);
        fade_area(format.code, s444.get(), {-5, 2, 100, 9}, 0, 128); // reaches past every edge: only row 2
        EXPECT_EQ(blend_test::get_pixel(*s444, 0, 1), 0xFFFFu);
        for (int32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(blend_test::get_pixel(*s444, x, 2), half); // odd widths come out pixel by pixel
        }
        fade_area(format.code, s444.get(), {5, 0, 9, 3}, 0, 128); // no overlap
        EXPECT_EQ(blend_test::get_pixel(*s444, 2, 0), 0xFFFFu);
    }

    auto s8 = made.make(blend_test::formats[0], 4, 1);
    fill(*s8, 0x77);
    fade_area(8, s8.get(), {1, 0, 3, 1}, 0x11, 10);
    EXPECT_EQ(blend_test::pixels(*s8), (std::vector<uint32_t>{0x77, 0, 0, 0x77}));

    fade_area(0xA332, s8.get(), {0, 0, 4, 1}, 0, 10); // no routine for this format
    EXPECT_EQ(blend_test::get_pixel(*s8, 0, 0), 0x77u);
}

TEST_F(screen_fade, the_screen_fades_its_visible_rows_only) {
    ASSERT_TRUE(start(32, 0, false));
    umlib::surface_t& back = *g_screenctr.mg->surface;
    fill(back, 0xFF808080);
    g_screenctr.fade(0, 0);
    EXPECT_EQ(blend_test::get_pixel(back, 9, 100), 0xFF808080u);
    g_screenctr.fade(0, 128);
    EXPECT_EQ(blend_test::get_pixel(back, 0, 8), 0x00404040u);
    EXPECT_EQ(blend_test::get_pixel(back, 255, 247), 0x00404040u);
    EXPECT_EQ(blend_test::get_pixel(back, 0, 7), 0xFF808080u);
    EXPECT_EQ(blend_test::get_pixel(back, 0, 248), 0xFF808080u);
    g_screenctr.fade(0x123456, 256);
    EXPECT_EQ(blend_test::get_pixel(back, 17, 200), 0x123456u);
    EXPECT_EQ(blend_test::get_pixel(back, 17, 250), 0xFF808080u);

    // A format without a routine: only the full weight, a fill, changes anything.
    const int32_t code = pixel_format_code;
    pixel_format_code = 0xA332;
    g_screenctr.fade(0, 100);
    EXPECT_EQ(blend_test::get_pixel(back, 17, 200), 0x123456u);
    g_screenctr.fade(0xABCDEF, 256);
    EXPECT_EQ(blend_test::get_pixel(back, 17, 200), 0xABCDEFu);
    pixel_format_code = code;
}

TEST_F(screen_fade, in_565_the_biased_rule_reaches_the_colour_at_full_weight) {
    ASSERT_TRUE(start(16, 0, false));
    ASSERT_EQ(pixel_format_code, 0x565);
    umlib::surface_t& back = *g_screenctr.mg->surface;
    fill(back, 0xFFFF);
    g_screenctr.fade(0, 128);
    EXPECT_EQ(blend_test::get_pixel(back, 100, 100), 0x7BEFu);
    g_screenctr.fade(0x1234, 256);
    EXPECT_EQ(blend_test::get_pixel(back, 100, 8), 0x1234u);
    EXPECT_EQ(blend_test::get_pixel(back, 100, 247), 0x1234u);
    EXPECT_EQ(blend_test::get_pixel(back, 100, 7), 0xFFFFu);
}

namespace {

// Random rows of every width from every start, at the weights where the row forms change (the registers,
// the fill at full weight, weights outside 0..256), against one pixel at a time.
template <class pixel_t, class Row, class Pixel> void expect_rows_match(Row row_rule, Pixel pixel_rule) {
    std::mt19937 random(sizeof(pixel_t));
    for (const int32_t weight : {0, 1, 63, 64, 127, 128, 255, 256, -5, 300}) {
        const uint32_t colour = random();
        for (int32_t start = 0; start < 8; ++start) {
            for (int32_t n = 0; n <= 40; ++n) {
                std::vector<pixel_t> row(48);
                for (pixel_t& p : row) {
                    p = pixel_t(random());
                }
                std::vector<pixel_t> expected = row;
                for (int32_t x = start; x < start + n; ++x) {
                    expected[size_t(x)] = pixel_t(pixel_rule(row[size_t(x)], colour, weight));
                }
                row_rule(row.data() + start, n, colour, weight);
                ASSERT_EQ(row, expected) << "weight " << weight << " start " << start << " n " << n;
            }
        }
    }
}

void expect_every_format() {
    expect_rows_match<uint16_t>(
        [](uint16_t* row, int32_t n, uint32_t c, int32_t w) { fade_row_565(row, n, uint16_t(c), w); },
        [](uint16_t p, uint32_t c, int32_t w) { return fade_pixel_565(p, uint16_t(c), w); });
    blend::drawing_formats_t::each([](auto format) {
        using F = decltype(format);
        SCOPED_TRACE(F::code);
        expect_rows_match<typename F::pixel_t>(fade_row<F>, fade_pixel<F>);
    });
}

} // namespace

TEST(fade_rule, rows_of_each_width_equal_the_one_pixel_rule_in_every_format) {
    const bool wide = fade_wide_rows;
    for (const bool wide_rows : {false, true}) {
        SCOPED_TRACE(wide_rows ? "32-byte rows" : "16-byte rows");
        fade_wide_rows = wide_rows;
        expect_every_format();
    }
    fade_wide_rows = wide;
}
